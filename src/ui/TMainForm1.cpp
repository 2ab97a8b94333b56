#include "ui/TMainForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "core/VendorInfo.h"
#include "feed/Feed.h"
#include "feed/FeedHealth.h"
#include "resources/Images.h"
#include "settings/Settings.h"
#include "ui/AccessibleTexts.h"
#include "ui/AfterFirstPaint.h"
#include "ui/GridDetails.h"
#include "ui/LinkLabel.h"
#include "ui/LogoPicture.h"
#include "ui/MainStatusBar.h"
#include "ui/NewsGrid.h"
#include "ui/TForm4.h"
#include "ui/WindowMainView.h"

#include "skin/builtin/BuiltinSkin.h"
#include "skin/engine/TSkinEngine.h"

namespace plivant {

namespace {
constexpr QSize kClientSize{778, 434};
constexpr QSize kMinimumSize{735, 200};
constexpr int kBottomPanelHeight = 57;
}  // namespace

TMainForm1::TMainForm1(Settings& settings, const NewsStore& store, QWidget* parent, bool skinned)
    : QMainWindow(parent), settings_(settings) {
    setObjectName("MainForm1");
    setWindowTitle(vendor::kTitle);
    // The large sizes, which only a task switcher shows, once the window is on screen.
    setWindowIcon(images::SmallProgramIcon());
    new AfterFirstPaint(*this, [this] { setWindowIcon(images::ProgramIcon()); });
    setFont(QFont("MS Sans Serif", 8));

    status_ = new MainStatusBar(this);
    setStatusBar(status_);
    // The grid reads the status panel through the view, and the view writes rows into the grid.
    view_ = std::make_unique<WindowMainView>(*status_, [this] { return IsInTray && IsInTray(); });
    grid_ = new NewsGrid(*view_, store, settings_, this);
    view_->SetGrid(grid_);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(grid_, 1);
    layout->addWidget(BuildBottomPanel());
    setCentralWidget(central);

    details_ = std::make_unique<GridDetails>(*grid_, *view_, store, settings_, [this] {
        return feed_ ? feed_->SelectedServer() : std::string();
    });
    grid_->OnDoubleClick = [this] { details_->StringGrid1DblClick(); };
    grid_->OnEnter = [this] { details_->OpenSelectedRow(); };
    EndProgram = [] { QCoreApplication::exit(0); };

    BuildMenu();
    resize(kClientSize.width(), kClientSize.height() + menuBar()->sizeHint().height());
    setMinimumSize(kMinimumSize);
    CreateSkinEngine(skinned);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    FormCreate();
}

TMainForm1::~TMainForm1() = default;

MainView& TMainForm1::View() { return *view_; }

void TMainForm1::SetFeed(const Feed& feed, FeedHealth& health) {
    feed_ = &feed;
    health_ = &health;
}

// The feed's health owner starts it: it keeps the back-off and the countdown of every start.
void TMainForm1::StartFeed() {
    if (health_) health_->Refresh();
}

void TMainForm1::FormCreate() {
    // FeedStarting is clear from the feed's creation; the grid's hint starts as "0 0".
    setWindowTitle(windowTitle() + " " + vendor::kVersionText);
}

// The skin is loaded before the form is registered; the form's first show skins the others.
void TMainForm1::CreateSkinEngine(bool active) {
    SkinEngine1 = new skin::TSkinEngine(this);
    SkinEngine1->SetSkinData(skin::BuiltinSkinData());
    SkinEngine1->SetBuiltIn(true);
    SkinEngine1->SetSkinDialogs(true);
    SkinEngine1->SetSkinAllForms(true);
    SkinEngine1->SetDrawScrollBar(true);
    SkinEngine1->SetActive(active);
    SkinEngine1->Loaded();
}

void TMainForm1::SetDetailsWindow(TForm4* window) { details_->SetDetailsWindow(window); }

QWidget* TMainForm1::BuildBottomPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName("Panel1");
    panel->setFixedHeight(kBottomPanelHeight);
    auto* logo = new LinkLabel({}, panel, [this] { Image1Click(); });
    logo->setObjectName("Image1");
    logo->setAccessibleName(LogoName());
    ShowLogo(*logo);
    logo->setGeometry(0, 4, 194, 53);
    stNews_ = new LinkLabel("...", panel, [this] {
        if (BannerClick) BannerClick();
    });
    stNews_->setObjectName("stNews");
    QPalette palette = stNews_->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    stNews_->setPalette(palette);
    stNews_->move(216, 12);
    stNews_->adjustSize();
    stNews_->hide();
    return panel;
}

QAction* TMainForm1::AddItem(QMenu* menu, const char* name, const QString& text, int image,
                             const QKeySequence& shortcut, std::function<void()> handler) {
    QAction* action = menu->addAction(images::MenuImage(image), text);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    return action;
}

void TMainForm1::BuildMenu() {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8("Меню"));
    menu->setObjectName("nmMenu");
    AddItem(menu, "mnRefresh", QString::fromUtf8("Обновить новости"), 6, Qt::Key_F5,
            [this] { StartFeed(); });
    AddItem(menu, "mnSearch", QString::fromUtf8("Поиск в архиве..."), -1, Qt::CTRL | Qt::Key_F,
            [this] {
                if (ShowSearch) ShowSearch();
            });
    menu->addSeparator()->setObjectName("N2");
    AddItem(menu, "mnToTray", QString::fromUtf8("Убрать в трей"), 4, Qt::CTRL | Qt::Key_T, [this] {
        if (MinimizeToTray)
            MinimizeToTray();
        else
            showMinimized();
    });
    AddItem(menu, "mnProperties", QString::fromUtf8("Настройки"), 2, Qt::CTRL | Qt::Key_P, [this] {
        if (ShowSettings) ShowSettings();
    });
    menu->addSeparator()->setObjectName("N1");
    AddItem(menu, "mnExit", QString::fromUtf8("Выход"), 0, Qt::CTRL | Qt::Key_F4,
            [this] { EndProgram(); });
    QMenu* help = menuBar()->addMenu(QString::fromUtf8("Справка"));
    help->setObjectName("mnHelp");
    AddItem(help, "mnAbout", QString::fromUtf8("О программе"), 1, Qt::Key_F1, [this] {
        if (ShowAbout) ShowAbout();
    });
}

QAction* TMainForm1::Action(const char* name) const { return findChild<QAction*>(name); }

void TMainForm1::Image1Click() { OpenAddress(vendor::kWebSite); }

void TMainForm1::closeEvent(QCloseEvent* event) {
    // Any close of the main window ends the program; nothing is saved or stopped first.
    event->accept();
    EndProgram();
}

bool TMainForm1::event(QEvent* event) {
    // The grid is the window's one working control: the keyboard goes to it, though Tab does not.
    if (event->type() == QEvent::WindowActivate && grid_)
        grid_->setFocus(Qt::ActiveWindowFocusReason);
    return QMainWindow::event(event);
}

void TMainForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (grid_) grid_->RepaintGrid();
}

}  // namespace plivant

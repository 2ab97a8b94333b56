#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "SettingsHarness.h"
#include "settings/RegistryKey.h"
#include "settings/StoredValues.h"

namespace plivant {
namespace {

using test::ReadBytes;
using test::RegistryText;
using test::WriteBytes;

// The dialog over stored values whose count is the field's own, shown as the menu shows it.
struct Closing : ::testing::Test {
    Closing() {
        h.WriteRegistry(
            RegistryText(test::With(test::AllStored(), "количество новостей", R"("100")")));
        WriteBytes(h.serversPath, "a.example\nb.example\n");
        form = &h.Create();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form));
    }

    const FormPropWidgets& ui() const { return form->Widgets(); }
    void Type(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void CloseByButton() { QTest::mouseClick(ui().Button1, Qt::LeftButton); }
    std::string Stored(const char* name) {
        RegistryKey key(h.store);
        EXPECT_TRUE(key.OpenKey(stored::Wire(stored::kKey), false));
        std::string wireName = stored::Wire(name);
        return key.ReadString(wireName);
    }
    int32_t StoredInt(const char* name) {
        RegistryKey key(h.store);
        EXPECT_TRUE(key.OpenKey(stored::Wire(stored::kKey), false));
        return key.ReadInteger(stored::Wire(name));
    }

    test::FormPropHarness h;
    TFormProp* form;
};

TEST_F(Closing, EveryWayOfClosingAppliesOnce) {
    const std::pair<const char*, std::function<void(Closing&)>> ways[] = {
        {"button", [](Closing& t) { t.CloseByButton(); }},
        {"close box", [](Closing& t) { t.form->close(); }},
        {"escape", [](Closing& t) { QTest::keyClick(t.form, Qt::Key_Escape); }},
    };
    int closes = 0;
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way);
        form->show();
        ui().CheckBox1->setChecked(closes % 2 == 0);
        close(*this);
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(h.feed.closes, ++closes);
        EXPECT_EQ(h.feed.starts, 0);
        EXPECT_EQ(StoredInt(stored::kShowId), closes % 2);
    }
    EXPECT_TRUE(h.prompter.questions.empty());
}

TEST_F(Closing, AServersOrPortEditRestartsTheFeedOnce) {
    const std::pair<const char*, std::function<void(Closing&)>> edits[] = {
        {"port", [](Closing& t) { t.Type(t.ui().ComboBox2->lineEdit(), "2100"); }},
        {"servers", [](Closing& t) { t.ui().mServers->setPlainText("c.example"); }},
    };
    for (const auto& [what, edit] : edits) {
        SCOPED_TRACE(what);
        h.feed = {};
        form->show();
        edit(*this);
        CloseByButton();
        EXPECT_EQ(h.feed.starts, 1);
        form->show();
        CloseByButton();  // nothing changed since: the running feed is left alone
        EXPECT_EQ(h.feed.closes, 2);
        EXPECT_EQ(h.feed.starts, 1);
    }
    EXPECT_EQ(h.settings.Port, "2100");  // readers see the edit at once
    EXPECT_EQ(Stored(stored::kPort), "2100");
    EXPECT_EQ(ReadBytes(h.serversPath), "c.example");
}

TEST_F(Closing, AnEditTakenBackIsNoChangeOfServersOrPort) {
    Type(ui().ComboBox2->lineEdit(), "2100");
    Type(ui().ComboBox2->lineEdit(), "2001");
    ui().mServers->setPlainText("x");
    ui().mServers->setPlainText("a.example\nb.example\n");
    CloseByButton();
    EXPECT_EQ(h.feed.starts, 0);
}

TEST_F(Closing, ACountOrLanguageEditRestartsTheFeedOnce) {
    const std::pair<const char*, std::function<void(Closing&)>> edits[] = {
        {"count", [](Closing& t) { t.Type(t.ui().Edit1, "30"); }},
        {"language", [](Closing& t) { QTest::keyClick(t.ui().cbLanguage, Qt::Key_Up); }},
    };
    for (const auto& [what, edit] : edits) {
        SCOPED_TRACE(what);
        h.feed = {};
        form->show();
        edit(*this);
        EXPECT_TRUE(form->SettingsChanged());
        CloseByButton();
        EXPECT_EQ(h.feed.starts, 1);
        EXPECT_FALSE(form->SettingsChanged());
        form->show();
        CloseByButton();
        EXPECT_EQ(h.feed.closes, 2);
        EXPECT_EQ(h.feed.starts, 1);
    }
    EXPECT_EQ(Stored(stored::kNewsCount), "30");
    EXPECT_EQ(StoredInt(stored::kNewsLanguage), 0);
}

TEST_F(Closing, NoLanguageSelectedIsStoredAsAllBitsSet) {
    ui().cbLanguage->setCurrentIndex(-1);
    EXPECT_EQ(h.settings.NewsLanguage, -1);
    CloseByButton();
    EXPECT_EQ(StoredInt(stored::kNewsLanguage), -1);
    EXPECT_NE(ReadBytes(h.RegistryPath()).find(Utf8ToWire(R"("язык новостей"=dword:ffffffff)")),
              std::string::npos);
}

TEST_F(Closing, ServersAreSavedAsTheEditorsTextWithCrLf) {
    EXPECT_EQ(h.settings.Servers, (std::vector<std::string>{"a.example", "b.example"}));
    CloseByButton();
    EXPECT_EQ(ReadBytes(h.serversPath), "a.example\r\nb.example\r\n");
    form->show();
    ui().mServers->setPlainText(QString::fromUtf8("хост\nb"));
    EXPECT_EQ(h.settings.Servers, (std::vector<std::string>{Utf8ToWire("хост"), "b"}));
    CloseByButton();
    EXPECT_EQ(ReadBytes(h.serversPath), Utf8ToWire("хост\r\nb"));
}

TEST_F(Closing, ARefusedWriteKeepsTheDialogOpenUntilTheUserGivesUp) {
    const std::string before = ReadBytes(h.RegistryPath());
    h.store.SetBeforeRename(
        [](const std::string&) { throw FileReplaceError("Read-only file system"); });
    Type(ui().Edit1, "30");
    CloseByButton();
    ASSERT_EQ(h.prompter.questions.size(), 1u);
    EXPECT_TRUE(
        h.prompter.questions[0].startsWith("Failed to set data for 'показывать время'\n\n"));
    EXPECT_TRUE(h.prompter.questions[0].endsWith("Read-only file system"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(h.feed.closes, 0);  // the dialog stays: the feed is not touched
    EXPECT_TRUE(form->SettingsChanged());
    EXPECT_EQ(ReadBytes(h.serversPath), "a.example\nb.example\n");  // not saved either

    // Every close fails the same way; the user closes without saving, the edits hold.
    h.prompter.closeWithoutSaving = true;
    form->close();
    EXPECT_EQ(h.prompter.questions.size(), 2u);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(h.feed.closes, 1);
    EXPECT_EQ(h.feed.starts, 1);
    EXPECT_EQ(h.settings.NewsCount, "30");
    EXPECT_EQ(ReadBytes(h.RegistryPath()), before);
}

TEST_F(Closing, AnUnwritableServerListStillRestartsAndKeepsTheDialogOpen) {
    h.serversPath = h.dir.filePath("missing/servers.ini").toStdString();
    form = &h.Create();
    form->show();
    Type(ui().Edit1, "30");
    CloseByButton();
    ASSERT_EQ(h.prompter.questions.size(), 1u);
    EXPECT_TRUE(h.prompter.questions[0].startsWith("Cannot create file \""))
        << h.prompter.questions[0].toStdString();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(h.feed.starts, 1);
    EXPECT_EQ(Stored(stored::kNewsCount), "30");
    h.prompter.closeWithoutSaving = true;
    CloseByButton();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(h.feed.starts, 1);
}

TEST(MessageBoxPrompter, OffersToCloseWithoutSaving) {
    const std::pair<QString, bool> answers[] = {{"Закрыть без сохранения", true},
                                                {"Вернуться к настройкам", false}};
    for (const auto& [button, closes] : answers) {
        QString shown;
        QTimer::singleShot(0, [&, button = button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            shown = box->windowTitle() + "|" + box->text();
            for (QAbstractButton* b : box->buttons()) {
                if (b->text() == button) b->click();
            }
        });
        MessageBoxPrompter prompter;
        EXPECT_EQ(prompter.AskCloseWithoutSaving("Failed to set data for 'порт'"), closes);
        EXPECT_TRUE(shown.startsWith("Vetrasol Plivant|Failed to set data for 'порт'\n\n"))
            << shown.toStdString();
    }
}

}  // namespace
}  // namespace plivant

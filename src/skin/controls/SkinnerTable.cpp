// The roles of the standard controls and the skinner classes that serve them, as Qt's widget
// classes play them. Lookup runs from the last row up, so each class comes after its ancestors:
// QFrame is the ancestor of scroll areas, labels and item views, and QAbstractSpinBox of the
// date and time editors, which is why those rows stand where they do.
#include "skin/controls/SkinnerRegistry.h"

namespace skin {
namespace {

constexpr SkinnerRow kRows[] = {
    {"QFrame", "TSkinPanel"},
    {"QAbstractScrollArea", "TSkinScrollWinControl"},
    {"QScrollArea", "TSkinScrollWinControl"},
    {"QToolBar", "TSkinToolBar"},
    {"QStatusBar", "TSkinStatusBar"},
    {"QAbstractSpinBox", "TSkinUpDown"},
    {"QDateTimeEdit", "TSkinDateTimePicker"},
    {"QAbstractItemView", "TSkinScrollWinControl"},
    {"QTreeView", "TSkinListView"},
    {"QKeySequenceEdit", "TSkinBorderWinControl"},
    {"QProgressBar", "TSkinProgressBar"},
    {"QSlider", "TSkinTrackBar"},
    {"QTabWidget", "TSkinTabControl"},
    {"QTabBar", "TSkinTabControl"},
    {"QTableView", "TSkinGrid"},
    {"QToolButton", "TSkinSpeedButton"},
    {"QGroupBox", "TSkinGroupBox"},
    {"QScrollBar", "TSkinScrollBar"},
    {"QListView", "TSkinScrollWinControl"},
    {"QListWidget", "TSkinListView"},
    {"QRadioButton", "TSkinRadioButton"},
    {"QComboBox", "TSkinComboBox"},
    {"QFontComboBox", "TSkinComboBoxEx"},
    {"QCheckBox", "TSkinCheckBox"},
    {"QLineEdit", "TSkinScrollWinControl"},
    {"QTextEdit", "TSkinScrollWinControl"},
    {"QPlainTextEdit", "TSkinScrollWinControl"},
    {"QPushButton", "TSkinButton"},
    {"QLabel", "TSkinLabel"},
};

}  // namespace

std::span<const SkinnerRow> BuiltinSkinnerRows() { return kRows; }

}  // namespace skin

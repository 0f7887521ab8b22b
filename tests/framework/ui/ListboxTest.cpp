#include <gtest/gtest.h>

#include <QListView>
#include <QPaintEvent>

#include "TableWindow.h"
#include "framework/ui/Listbox.h"
#include "support/UiDriver.h"
#include "support/TestNames.h"

namespace {

class ListboxRules : public testing::Test {
protected:
    void SetUp() override {
        window =
            new TableWindow(HiddenSpec(), {
                                              {ControlKind::Listbox,
                                               "List",
                                               "",
                                               10,
                                               10,
                                               200,
                                               200,
                                               LockLeft | LockTop,
                                               0,
                                               "",
                                               "",
                                               {},
                                               Bind<Listbox>([this](Listbox& l) {
                                                   l.Change = [this](Listbox& c) { changes.push_back(c.ListIndex()); };
                                               })},
                                          });
        list = window->FindControl<Listbox>("List");
        for (const char* title : {"a", "b", "c", "d"})
            list->AddRow(title);
    }

    TableWindow* window = nullptr;
    Listbox* list = nullptr;
    std::vector<int> changes;  // ListIndex seen by each Change
};

TEST_F(ListboxRules, SelectedChangesOneRowAndListIndexIsTheLowest) {
    list->SetSelected(2, true);
    list->SetSelected(3, true);
    EXPECT_EQ(list->ListIndex(), 2);
    EXPECT_TRUE(list->Selected(3));
    list->SetSelected(2, false);
    EXPECT_EQ(list->ListIndex(), 3);
    EXPECT_EQ(changes, (std::vector<int>{2, 2, 3}));
    list->SetSelected(3, true);  // no change, no event
    EXPECT_EQ(changes.size(), 3u);
}

TEST_F(ListboxRules, SettingListIndexLeavesOnlyThatRow) {
    list->SetSelected(0, true);
    list->SetSelected(3, true);
    changes.clear();
    list->SetListIndex(2);
    EXPECT_EQ(changes, (std::vector<int>{2}));
    for (int row : {0, 1, 3}) {
        EXPECT_FALSE(list->Selected(row)) << row;
    }
    list->SetListIndex(2);  // already so
    list->SetListIndex(-1);
    EXPECT_EQ(changes, (std::vector<int>{2, -1}));
    EXPECT_EQ(list->SelCount(), 0);
    list->SetListIndex(7);  // out of range: ignored
    EXPECT_EQ(list->ListIndex(), -1);
}

TEST_F(ListboxRules, CellChangesNoSelection) {
    list->SetListIndex(1);
    changes.clear();
    for (int row = 0; row < list->ListCount(); ++row)
        list->SetCell(row, 0, list->Cell(row, 0).toUpper());
    EXPECT_EQ(list->List(3), "D");
    EXPECT_EQ(list->ListIndex(), 1);
    EXPECT_TRUE(changes.empty());
}

struct RemoveCase {
    const char* name;
    int selected;
    int removed;
    int selectedAfter;
    bool delivered;
};

class ListboxRemove : public ListboxRules, public testing::WithParamInterface<RemoveCase> {};

TEST_P(ListboxRemove, RemovingTheSelectedRowLeavesNoneOtherwiseTheSelectionStaysOnItsRow) {
    list->SetListIndex(GetParam().selected);
    changes.clear();
    list->RemoveRow(GetParam().removed);
    EXPECT_EQ(list->ListCount(), 3);
    EXPECT_EQ(list->ListIndex(), GetParam().selectedAfter);
    EXPECT_EQ(changes.size(), GetParam().delivered ? 1u : 0u);
    // The view agrees with the list's own state.
    const auto selected = list->View()->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), GetParam().selectedAfter < 0 ? 0 : 1);
    if (!selected.isEmpty()) {
        EXPECT_EQ(selected.front().row(), GetParam().selectedAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ListboxRemove,
                         testing::Values(RemoveCase{"TheSelectedRow", 1, 1, -1, true},
                                         RemoveCase{"ARowAboveItsIndexDrops", 2, 0, 1, false},
                                         RemoveCase{"ARowBelowUnchanged", 1, 3, 1, false},
                                         RemoveCase{"NoneSelected", -1, 0, -1, false}),
                         CaseName());

TEST_F(ListboxRules, DeleteAllRowsDeliversChangeOnlyWhenARowWasSelected) {
    list->DeleteAllRows();
    EXPECT_TRUE(changes.empty());
    list->AddRow("x");
    list->SetListIndex(0);
    changes.clear();
    list->DeleteAllRows();
    EXPECT_EQ(changes, (std::vector<int>{-1}));
    EXPECT_EQ(list->ListCount(), 0);
}

TEST_F(ListboxRules, AUserClickDeliversChangeOnceAndSelectsOnlyThatRow) {
    list->SetSelected(0, true);
    list->SetSelected(3, true);
    window->Show();
    changes.clear();
    UiDriver::ClickRow(*list, 2);
    EXPECT_EQ(changes, (std::vector<int>{2}));
    EXPECT_EQ(list->SelCount(), 1);
    EXPECT_TRUE(list->Selected(2));
}

TEST_F(ListboxRules, AClickOnTheFreeAreaLeavesNoRowSelected) {
    list->SetListIndex(1);
    window->Show();
    changes.clear();
    UiDriver::ClickAt(*list, QPoint(50, 190));  // below the four rows
    EXPECT_EQ(changes, (std::vector<int>{-1}));
    EXPECT_EQ(list->ListIndex(), -1);
}

TEST_F(ListboxRules, SelectingFromTheProgramScrollsTheRowIntoView) {
    for (int i = 0; i < 500; ++i)
        list->AddRow(QString::number(i));
    window->Show();
    UiDriver::ProcessEvents();
    list->SetListIndex(450);
    UiDriver::ProcessEvents();
    const QRect row = list->View()->visualRect(list->View()->model()->index(450, 0));
    EXPECT_TRUE(list->View()->viewport()->rect().contains(row.center()));
}

TEST_F(ListboxRules, RewritingEveryRowReportsOneBatchedDataChange) {
    for (int i = 0; i < 10000; ++i)
        list->AddRow(QString::number(i));
    std::vector<std::pair<int, int>> reports;
    QObject::connect(list->View()->model(), &QAbstractItemModel::dataChanged,
                     [&reports](const QModelIndex& first, const QModelIndex& last) {
                         reports.emplace_back(first.row(), last.row());
                     });
    for (int row = 0; row < list->ListCount(); ++row)
        list->SetCell(row, 0, "t" + QString::number(row));
    EXPECT_TRUE(reports.empty());  // nothing until control returns to the event loop
    UiDriver::ProcessEvents();
    EXPECT_EQ(reports, (std::vector<std::pair<int, int>>{{0, list->ListCount() - 1}}));
    EXPECT_EQ(list->View()->model()->index(9, 0).data().toString(), "t9");
}

TEST_F(ListboxRules, AddingManyRowsIsOneInsertionAndSelectsNothing) {
    list->SetListIndex(1);
    changes.clear();
    std::vector<std::pair<int, int>> inserted;
    QObject::connect(list->View()->model(), &QAbstractItemModel::rowsInserted,
                     [&inserted](const QModelIndex&, int first, int last) { inserted.emplace_back(first, last); });
    std::vector<QString> texts;
    for (int i = 0; i < 1000; ++i)
        texts.push_back("x" + QString::number(i));
    list->AddRows(texts);
    EXPECT_EQ(inserted, (std::vector<std::pair<int, int>>{{4, 1003}}));
    EXPECT_EQ(list->ListCount(), 1004);
    EXPECT_EQ(list->List(3), "d");
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(list->List(4 + i), texts[std::size_t(i)]) << i;
    EXPECT_EQ(list->ListIndex(), 1);
    EXPECT_FALSE(list->Selected(1003));
    EXPECT_TRUE(changes.empty());
    list->SetListIndex(1003);
    EXPECT_EQ(list->ListIndex(), 1003);

    // Into an empty list, the rows are exactly these.
    list->DeleteAllRows();
    inserted.clear();
    list->AddRows(texts);
    EXPECT_EQ(inserted, (std::vector<std::pair<int, int>>{{0, 999}}));
    ASSERT_EQ(list->ListCount(), 1000);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(list->List(i), texts[std::size_t(i)]) << i;
}

// Records the region of every paint of a widget.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

// New texts move no row, so in a long list a change costs a repaint of the
// changed rows on screen only: no new layout of the list, nothing for rows
// out of view.
TEST_F(ListboxRules, ATextChangeRepaintsOnlyTheChangedRowsOnScreen) {
    for (int i = 0; i < 500; ++i)
        list->AddRow(QString::number(i));
    window->Show();
    UiDriver::ProcessEvents();
    QListView* view = list->View();
    const auto rowRect = [view](int row) { return view->visualRect(view->model()->index(row, 0)); };
    PaintRecorder recorder(view->viewport());

    list->SetCell(2, 0, "changed");
    UiDriver::ProcessEvents();
    EXPECT_EQ(recorder.painted, QRegion(rowRect(2)));
    EXPECT_EQ(view->model()->index(2, 0).data().toString(), "changed");

    recorder.painted = QRegion();
    list->SetCell(400, 0, "far away");
    UiDriver::ProcessEvents();
    EXPECT_TRUE(recorder.painted.isEmpty());

    recorder.painted = QRegion();
    for (int row = 0; row < list->ListCount(); ++row)
        list->SetCell(row, 0, "t" + QString::number(row));
    UiDriver::ProcessEvents();
    EXPECT_TRUE(recorder.painted.contains(rowRect(0)));
}

// A long text is painted from its head only; what the row shows is the same.
TEST_F(ListboxRules, LongTextsLookAsTheyWouldWhole) {
    const QString combining = QString(80, QChar(0x0301));
    for (const QString& text :
         QStringList{QString(255, QChar(u'x')), QString(255, QChar(u'i')) + "end", QString(255, QChar(u'W')),
                     QString(200, QChar(u'.')) + "dots", QString::fromUtf8("caf\u00E9 * tab\t").repeated(20), "short",
                     "a" + combining + "visible tail", QString(70, QChar(u' ')) + "after blanks"})
        list->AddRow(text);
    window->Show();
    UiDriver::ProcessEvents();
    QListView* view = list->View();
    QListView plain;
    plain.setUniformItemSizes(true);
    plain.setHorizontalScrollBarPolicy(view->horizontalScrollBarPolicy());
    plain.setVerticalScrollBarPolicy(view->verticalScrollBarPolicy());
    plain.setFont(view->font());
    plain.setModel(view->model());
    plain.resize(view->size());
    plain.show();
    UiDriver::ProcessEvents();
    ASSERT_EQ(plain.viewport()->size(), view->viewport()->size());
    EXPECT_EQ(view->viewport()->grab().toImage(), plain.viewport()->grab().toImage());
}

TEST_F(ListboxRules, RemovingRowsWithTextChangesPendingKeepsTheModelConsistent) {
    list->SetCell(3, 0, "changed");
    list->RemoveRow(3);
    list->RemoveRow(2);
    UiDriver::ProcessEvents();
    EXPECT_EQ(list->ListCount(), 2);
    EXPECT_EQ(list->List(1), "b");
}

}  // namespace

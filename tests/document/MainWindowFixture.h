#pragma once

#include <gtest/gtest.h>

#include <QPointer>
#include <QStringList>
#include <vector>

#include "document/MainWindow.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "framework/ui/ToolbarItem.h"
#include "support/FakeDesktop.h"
#include "support/UiDriver.h"

// A shown document window filled as the document reader fills one: the rows,
// each title learnt as its row is read, the list, the first row selected;
// unlocked on request.
class MainWindowTest : public testing::Test {
protected:
    MainWindow& Open(const std::vector<EntryRow>& rows, bool unlocked = true) {
        window_ = new MainWindow();
        MainWindow& w = *window_;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            for (int col = 0; col < kEntryColumnCount; ++col)
                w.WriteInArray(int(i), col, rows[i][std::size_t(col)]);
            w.LearnTitle(w.myArray[i][0]);
            w.ListBox1().AddRow(QString());
        }
        w.entry = int(rows.size());
        w.UpdateListBox();
        w.LearnTitles();
        if (!rows.empty())
            w.ListBox1().SetListIndex(0);
        if (unlocked)
            w.ToolbarItem4().Push();
        w.SetVisible(true);
        UiDriver::Activate(w);
        return w;
    }

    MainWindow& OpenTitles(const QStringList& titles, bool unlocked = true) {
        std::vector<EntryRow> rows;
        for (const QString& t : titles)
            rows.push_back(EntryRow{t, "url " + t, "user " + t, "pw " + t, "notes " + t});
        return Open(rows, unlocked);
    }

    static QStringList Titles(const MainWindow& w) {
        QStringList titles;
        for (int i = 0; i < w.entry; ++i)
            titles << w.myArray[std::size_t(i)][0];
        return titles;
    }

    static QStringList ListTexts(MainWindow& w) {
        QStringList texts;
        for (int i = 0; i < w.ListBox1().ListCount(); ++i)
            texts << w.ListBox1().List(i);
        return texts;
    }

    // The five editors' texts in column order.
    static EntryRow Shown(MainWindow& w) {
        return EntryRow{w.EditField1().Text(), w.EditField2().Text(), w.EditField3().Text(), w.EditField4().Text(),
                        w.EditField5().Text()};
    }

    FakeDesktop::Guard desktop_;
    QPointer<MainWindow> window_;
};

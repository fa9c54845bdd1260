#pragma once
// The main window over a fresh application folder, with message boxes
// recorded, file dialogs and modal windows scripted: what the window tests
// share. A test writes its files into folder, then shows the window.

#include "app/main_window.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/recorded_message_boxes.h"
#include "tests/support/scripted_file_dialogs.h"
#include "tests/support/scripted_modal_windows.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

class TMainWindowTest : public ::testing::Test {
public:
    TMainWindowTest()
    {
        folder.BeforeRead = [this] {
            if (form)
                form->Profiles().WaitForSaves();
        };
    }
    // The window on the profile named on the command line (none: the blank
    // profile), shown and active, its grid holding the focus.
    void Show(const QString &commandLineFile = QString())
    {
        form = std::make_unique<TForm1>(folder.Path(), commandLineFile, boxes, dialogs);
        form->SetModalWindows(&modal);
        form->show();
        QApplication::setActiveWindow(form.get());
        Grid().setFocus();
        QApplication::processEvents();
    }
    // The same on a blank profile holding lines.
    void ShowWith(const QStringList &lines)
    {
        folder.Write("blank.yearnbox", ProfileBytes(lines));
        Show();
    }
    TLatticeGrid &Grid() { return *form->LatticeGrid1(); }

    TTempFolder folder;
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    TScriptedModalWindows modal;
    // Last, so the window goes before what it was given.
    std::unique_ptr<TForm1> form;
};

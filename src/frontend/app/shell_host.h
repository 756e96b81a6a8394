// What the main window's commands need from the rest of the program: the three auxiliary windows.
//
// Implemented by the program, which owns the windows (program.cpp); tests implement it with a
// recorder, so the menus can be driven without the dialogs behind them.
#pragma once

namespace zuzazizo {

class ShellHost {
  public:
    virtual ~ShellHost() = default;
    // Shows the about box without modality, in front of other windows.
    virtual void show_about() = 0;
    // Shows the manual viewer without modality.
    virtual void show_manual() = 0;
    // Shows the key settings dialog centred on the screen. The caller disables the main window;
    // the dialog enables it again however it closes.
    virtual void show_keys() = 0;
};

}  // namespace zuzazizo

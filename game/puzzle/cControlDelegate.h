#pragma once

// Hears which level control the player used: the control panel tells every listener, in the
// order they were added, right after the control took the press (or, for the reset area,
// after a selection was cancelled over it). The tutorial is the one listener; it overrides
// what its steps wait for, the rest stay empty.
class cControlDelegate
{
public:
    virtual void fOnStoreButton() {}
    virtual void fOnHintButton() {}
    virtual void fOnCheckModeToggle() {}
    virtual void fOnPauseButton() {}
    virtual void fOnResetSelection() {}

protected:
    // Listeners are never deleted through the panel.
    ~cControlDelegate() = default;
};

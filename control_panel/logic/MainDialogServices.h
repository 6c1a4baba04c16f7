#pragma once
// What the device pages use of the main dialog. The main dialog implements it and
// hands it to every page it creates.

class CMainDialogServices {
public:
    virtual ~CMainDialogServices() = default;

    // Enables or disables the main dialog's top bar and all six tabs. A page that pumps
    // messages during a long operation disables them first; a close request that comes
    // meanwhile is held back until they are enabled again.
    virtual void EnableMainButtons(bool enable) = 0;
    // Told after a failed write to the board; does nothing.
    virtual void NotifyLinkError() = 0;
};

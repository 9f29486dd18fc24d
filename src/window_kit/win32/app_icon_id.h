// The application icon's resource id, shared by the resource script (launcher.rc) and the
// windows that show the icon: the lowest id, so the shell shows it for the program file. Plain
// preprocessor text, which the resource compiler reads.
#ifndef CINDERMOOR_APP_ICON_ID_H
#define CINDERMOOR_APP_ICON_ID_H

#define IDI_APP 1

#endif

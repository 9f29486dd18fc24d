// Resource ids of launcher.exe, shared by the resource script and the code.
#ifndef CINDERMOOR_LAUNCHER_RESOURCE_H
#define CINDERMOOR_LAUNCHER_RESOURCE_H

// The application icon; the lowest id, so the shell shows it for the program file.
#define IDI_APP 1

#endif

# The program's icon, drawn by the artwork generator (tools/artwork/icon.cpp):
# mounted at qrc:/packaging/radod-panels.png, and installed for the desktop
# menu (cmake/RadodInstall.cmake).
radod_mount(ARTWORK radod-panels.png)

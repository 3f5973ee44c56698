# Tachometer of the Cessna panel.
radod_mount(
    ARTWORK RPM.1x.png Cutouts.js RPM.png needle.png
    ALSO_AT Cessna/instrumentos/Rpm)

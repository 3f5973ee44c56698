# Tachometer of the Cessna panel.
radod_mount(
    ARTWORK Cutouts.js RPM.png needle.png
    ALSO_AT Cessna/instrumentos/Rpm)

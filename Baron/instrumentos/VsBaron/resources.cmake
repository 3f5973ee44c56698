# Vertical speed indicator of the Baron panel, also mounted as VSBaron, the
# folder the Baron panel imports it from.
radod_mount(
    ARTWORK Cutouts.js vs_baron_BG.png vs_baron_BG.1x.png needle.png
    ALSO_AT Baron/instrumentos/VSBaron)

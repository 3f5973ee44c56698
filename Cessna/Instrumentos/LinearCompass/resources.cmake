# The strip compass, one source mounted wherever a panel imports it.
radod_mount(
    ARTWORK comp.png comp_window.png
    ALSO_AT Cessna/instrumentos/LinearCompass)

# Tail-number placard of the Cessna panel.
radod_mount(
    EXTRA fonts/DejaVuSans-Bold.ttf=Rubik-Bold.ttf
    ALSO_AT Cessna/instrumentos/Plate)

# The vertical speed indicator, one source mounted wherever a panel imports it.
radod_mount(
    ARTWORK verticalSpeedBack.1x.png verticalSpeedBack.png needle.png
    ALSO_AT Cessna/instrumentos/VerticalSpeed Cessna/StandBy/instrumentos/VerticalSpeed
            Baron/instrumentos/VerticalSpeed Caravan/instrumentos/VerticalSpeed)

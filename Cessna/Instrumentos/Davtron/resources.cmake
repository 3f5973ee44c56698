# Digital clock and outside-air thermometer of the Cessna panel.
radod_mount(
    ARTWORK AMtronon.1x.png AMtronon.png
    EXTRA fonts/DSEG14Classic-Regular.ttf=digital-7.ttf
    ALSO_AT Cessna/instrumentos/Davtron)

# Fonts vendored from Debian's font packages (licences beside them), mounted
# under the names the panel documents load them by.
foreach(panel RadioAvionico RadioCompacto)
    radod_resource(fonts/DSEG7Classic-Bold.ttf AS ${panel}/fonts/DSEG7Classic-Bold.ttf)
    radod_resource(fonts/DSEG14Classic-Regular.ttf AS ${panel}/fonts/digital-7.ttf)
    radod_resource(fonts/DSEG14Classic-Italic.ttf AS "${panel}/fonts/digital-7 (italic).ttf")
endforeach()
radod_resource(fonts/B612-Regular.otf AS Caravan/fonts/a1000.ttf)

# The stand-by menu's preview: a picture of the stand-by panel itself, drawn
# at build time from PreviewStby.qml.
radod_mount(FILES PreviewStby.qml)
radod_picture(previewStby.png DOCUMENT qrc:/Cessna/StandBy/preview/PreviewStby.qml AT Cessna/StandBy/images)

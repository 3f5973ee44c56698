# The Cessna menu's preview: a picture of the panel itself, drawn at build
# time from PreviewPainel.qml and mounted with the Cessna's images.
radod_mount(FILES PreviewPainel.qml)
radod_picture(previewPainel.png DOCUMENT qrc:/Cessna/preview/PreviewPainel.qml AT Cessna/images)

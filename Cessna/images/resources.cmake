# Images of the Cessna layout menu (also used by the stand-by menu): the
# background and the tick are drawn by tools/artwork/cessna.cpp; the preview
# is a picture of the panel itself, drawn at build time from PreviewPainel.qml.
radod_mount(ARTWORK bg_config.jpg check.jpg)
radod_picture(previewPainel.png DOCUMENT qrc:/Cessna/images/PreviewPainel.qml)

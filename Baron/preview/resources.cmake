# The Baron menu's preview, a picture of the Baron panel drawn at build time;
# mounted with the Baron's images.
radod_mount(FILES PreviewBaron.qml)
radod_picture(baronPreview.png DOCUMENT qrc:/Baron/preview/PreviewBaron.qml AT Baron/images)

# The Caravan menu's preview, a picture of the Caravan panel drawn at build
# time; mounted with the Caravan's images.
radod_mount(FILES PreviewCaravan.qml)
radod_picture(caravan_preview.png DOCUMENT qrc:/Caravan/preview/PreviewCaravan.qml AT Caravan/images)

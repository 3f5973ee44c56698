# The vector image element of the documents (VectorImage.qml): the platform's
# own where Qt has one (Qt Quick Vector Image, Qt 6.8 on), ours otherwise.
find_package(Qt6 QUIET COMPONENTS QuickVectorImage)
if(Qt6QuickVectorImage_FOUND)
    radod_resource(Classes/VectorImage/PlatformVectorImage.qml AS Classes/VectorImage/VectorImage.qml)
else()
    radod_mount(FILES VectorImage.qml)
endif()

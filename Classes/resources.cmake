radod_mount(FILES Interpolate.js Numbers.js Units.js LayoutString.js GaugeSlot.qml ModulePlaceholder.qml
            PanelDocument.qml PanelPicture.qml LayoutWindow.qml LayoutMenu.qml TickBox.qml Raster.js LockFile.js
            GENERATED Modules.js=radod-moduletable)

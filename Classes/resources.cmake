radod_mount(FILES Interpolate.js Numbers.js LayoutString.js GaugeSlot.qml ModulePlaceholder.qml
            GENERATED Modules.js=radod-moduletable)

radod_mount(FILES Interpolate.js LayoutString.js GaugeSlot.qml ModulePlaceholder.qml)

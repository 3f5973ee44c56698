import "qrc:/Classes"; ModulePlaceholder { title: "Caravan"; valueText: TimedProcessing; lockText: lock }

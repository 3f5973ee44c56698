import "qrc:/Classes"; ModulePlaceholder { title: "SpeedReferences"; valueText: TimedProcessing; lockText: lock }

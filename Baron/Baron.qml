import "qrc:/Classes"; ModulePlaceholder { title: "Baron"; valueText: TimedProcessing; lockText: lock }

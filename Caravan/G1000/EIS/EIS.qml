import "qrc:/Classes"; ModulePlaceholder { title: "EIS"; valueText: TimedProcessing; lockText: lock }

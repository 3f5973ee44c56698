import "qrc:/Classes"; ModulePlaceholder { title: "ReferencesScreen"; valueText: TimedProcessing; lockText: lock }

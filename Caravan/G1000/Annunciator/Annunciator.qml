import "qrc:/Classes"; ModulePlaceholder { title: "Annunciator"; valueText: TimedProcessing; lockText: lock }

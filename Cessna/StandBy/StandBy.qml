import "qrc:/Classes"; ModulePlaceholder { title: "StandBy"; valueText: TimedProcessing; lockText: lock }

# Instrument-air gauge of the Baron panel, also mounted as InstrumenteAir, the
# folder the Baron panel imports it from. It is an engine dial with a longer
# needle and a cap of its own.
radod_mount(
    ARTWORK instrument_air_backdrop.png instrument_air_backdrop.1x.png neddle.png center.png
    ALSO_AT Baron/instrumentos/InstrumenteAir)
foreach(_doc EngineDial.qml EngineNeedle.qml)
    radod_resource(Baron/instrumentos/EngineDial/${_doc}
        AS Baron/instrumentos/InstrumentAir/${_doc} Baron/instrumentos/InstrumenteAir/${_doc})
endforeach()

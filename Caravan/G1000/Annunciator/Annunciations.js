.pragma library

// The crew-alerting lines of the Caravan's glass cockpit, in display order:
// warnings (red), cautions (yellow) and advisories (white), each with the
// condition on the value vector under which it is shown.
//
// A condition reads its fields through v(i): the field as a number, where an
// absent field is not a number (so every comparison with it is false, while
// "not below" and "not above" hold) and an empty field is 0.

var red = "#ff0000"
var yellow = "#ffff00"
var white = "#ffffff"

function never() { return false }

var lines = [
    {item: "emergPwrLvrRed", text: "EMERG PWR LVR", colour: red, when: never},
    {item: "engineFire", text: "ENGINE FIRE", colour: red, when: function (v) { return v(75) === 1 }},
    {item: "fuelSelectOff", text: "FUEL SELECT OFF", colour: red, when: never},
    {item: "oilPressLow", text: "OIL PRESS LOW", colour: red, when: function (v) { return v(1) < 40 }},
    {item: "rsvrFuelLow", text: "RSVR FUEL LOW", colour: red, when: function (v) { return v(78) < 3 }},
    {item: "voltageLow", text: "VOLTAGE LOW", colour: red, when: function (v) { return v(36) === 1 }},
    {item: "voltageHigh", text: "VOLTAGE HIGH", colour: red, when: function (v) { return v(79) > 32 }},
    {item: "altnrAmps", text: "ALTNR AMPS", colour: yellow, when: function (v) { return v(91) < -10 || v(91) > 75 }},
    {item: "chipDetect", text: "CHIP DETECT", colour: yellow, when: function (v) { return v(80) === 1 }},
    {item: "doorUnlatched", text: "DOOR UNLATCHED", colour: yellow, when: function (v) { return v(81) === 1 }},
    {item: "emergPwrLvrYellow", text: "EMERG PWR LVR", colour: yellow, when: never},
    {item: "fuelBoostOn", text: "FUEL BOOST ON", colour: yellow, when: function (v) { return v(82) === 1 }},
    {item: "fuelPressLow", text: "FUEL PRESS LOW", colour: yellow, when: function (v) { return v(83) < 2.5 }},
    {item: "generatorAmps", text: "GENERATOR AMPS", colour: yellow, when: function (v) { return v(73) < -10 || v(73) > 200 }},
    {item: "generatorOff", text: "GENERATOR OFF", colour: yellow, when: function (v) { return v(73) === 0 }},
    {item: "lrFuelLow", text: "L-R FUEL LOW", colour: yellow, when: function (v) { return v(40) < 77 && v(41) < 77 }},
    {item: "lFuelLow", text: "L FUEL LOW", colour: yellow, when: function (v) { return v(40) < 77 && !(v(41) < 77) }},
    {item: "rFuelLow", text: "R FUEL LOW", colour: yellow, when: function (v) { return v(41) < 77 && !(v(40) < 77) }},
    {item: "lrPsHeat", text: "L-R P/S HEAT", colour: yellow, when: function (v) { return v(85) > 0 && v(86) > 0 }},
    {item: "lPsHeat", text: "L P/S HEAT", colour: yellow, when: function (v) { return v(85) > 0 && !(v(86) > 0) }},
    {item: "rPsHeat", text: "R P/S HEAT", colour: yellow, when: function (v) { return v(86) > 0 && !(v(85) > 0) }},
    {item: "stallHeat", text: "STALL HEAT", colour: yellow, when: function (v) { return v(87) > 0 }},
    {item: "starterOn", text: "STARTER ON", colour: yellow, when: function (v) { return v(88) === 1 }},
    {item: "stbyPwrInop", text: "STBY PWR INOP", colour: yellow, when: function (v) { return v(84) === 0 && v(90) === 0 && v(91) === 0 }},
    {item: "torqueGage", text: "TORQUE GAGE", colour: yellow, when: never},
    {item: "ignitionOn", text: "IGNITION ON", colour: white, when: function (v) { return v(89) === 1 }},
    {item: "spdNotAvail", text: "SPD NOT AVAIL", colour: white, when: never},
    {item: "stbyPwOn", text: "STBY PWR ON", colour: white, when: function (v) { return v(90) === 1 }},
]

// Whether line `index` is shown for the value vector `values` (texts).
function shown(index, values) {
    var v = function (i) { return i < values.length ? Number(values[i]) : NaN }
    return lines[index].when(v)
}

.pragma library

// Helpers of the radio panel tests.

var defaultLayout = "0,0,1.00,1.00,0,0,0,0.30"

// A radio value vector of `count` fields, all "0", with the given fields set:
// vector({25: "1", 29: "28"}).
function vector(fields, count) {
    var f = []
    for (var i = 0; i < (count || 35); ++i)
        f.push("0")
    for (var k in fields)
        f[Number(k)] = fields[k]
    return f.join(";")
}

// The avionics panel powered, with both frequency sets and a transponder.
function avionicsVector(fields) {
    var base = {
        0: "121.500", 1: "110.300", 2: "122.800", 3: "113.900", 4: "1200",
        5: "12.4", 6: "135", 7: "5.5", 14: "350.0", 20: "-500", 21: "4500",
        25: "1", 29: "28", 30: "118.100", 31: "108.500", 32: "119.250", 33: "109.100", 34: "3"
    }
    for (var k in fields)
        base[k] = fields[k]
    return vector(base)
}

// The compact panel powered (switch and bus flag at 1).
function compactVector(fields) {
    var base = {
        1: "110.300", 3: "113.900", 4: "7000", 14: "350", 20: "-500.7", 21: "950.6",
        25: "1", 29: "1", 30: "118.100", 31: "108.500", 32: "119.250", 33: "109.100"
    }
    for (var k in fields)
        base[k] = fields[k]
    return vector(base)
}

function layoutWith(index, text, layout) {
    var f = (layout || defaultLayout).split(",")
    f[index] = text
    return f.join(",")
}

// Colour components as text with two decimals, for comparing colours.
function rgb(c) {
    return [c.r.toFixed(2), c.g.toFixed(2), c.b.toFixed(2), c.a.toFixed(2)].join(",")
}

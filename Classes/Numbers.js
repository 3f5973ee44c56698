.pragma library

// Reading numbers from value-vector text in the gauges' scale scripts: a value
// that is not a finite number (empty, letters, "nan", infinity) counts as 0, so
// a needle rests instead of vanishing.
function finite(value) {
    var v = Number(value)
    return isFinite(v) ? v : 0
}

.pragma library

// Reading numbers from value-vector text in the gauges' scale scripts: a value
// that is not a finite number (empty, letters, "nan", infinity) counts as 0, so
// a needle rests instead of vanishing; one beyond any instrument's range is
// held at its sign's end of `largest`, so that nothing is moved that far.
var largest = 1e7

function finite(value) {
    var v = Number(value)
    return isFinite(v) ? Math.max(-largest, Math.min(largest, v)) : 0
}

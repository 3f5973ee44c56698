.pragma library

// The timer and number steps of the references page.

// A timer text "HH:MM:SS" moved by one second (`step` +1 or -1). Hours have no
// upper bound; the timer does not go below 00:00:00.
function stepTimer(text, step) {
    var parts = String(text).split(":")
    var h = parseInt(parts[0], 10) || 0, m = parseInt(parts[1], 10) || 0, s = parseInt(parts[2], 10) || 0
    if (step > 0) {
        s += 1
        if (s >= 60) { s = 0; m += 1 }
        if (m >= 60) { m = 0; h += 1 }
    } else {
        if (h === 0 && m === 0 && s === 0)
            return text
        s -= 1
        if (s < 0) { s = 59; m -= 1 }
        if (m < 0) { m = 59; h -= 1 }
    }
    return twoDigits(h) + ":" + twoDigits(m) + ":" + twoDigits(s)
}

function twoDigits(n) {
    return n < 10 ? "0" + n : String(n)
}

// A number text moved by `step`: its whole-number value plus the step
// ("NaN" when it is not a number).
function stepWhole(text, step) {
    return String(parseInt(text, 10) + step)
}

.pragma library

// Text of a DME number window: the value cut (never rounded) to one decimal,
// working on the text itself: the part before the first "." followed by "."
// and the first character after it; anything after a second "." is dropped.
// Surrounding white space (a line end the bridge left on the last field) is
// ignored. A text without a decimal part is shown with ".0" ("12" shows
// "12.0", "12." too); an empty text, or no text at all, leaves the window dark.
function format(text) {
    var s = (text === undefined || text === null) ? "" : String(text).trim()
    if (s === "")
        return ""
    var dot = s.indexOf(".")
    if (dot < 0)
        return s + ".0"
    var decimal = s.charAt(dot + 1)
    return s.substring(0, dot) + "." + (decimal === "" || decimal === "." ? "0" : decimal)
}

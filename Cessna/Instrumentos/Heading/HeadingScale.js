.pragma library

// The heading indicator's card shows the heading under the top lubber line:
// it turns by the negative of the heading, and the heading bug, which belongs
// to the card, by bug - heading. The card is drawn with each heading at its
// own angle clockwise from the top.
function cardAngle(heading) {
    var h = Number(heading)
    return isFinite(h) ? -h : 0
}
function bugAngle(bug, heading) {
    var b = Number(bug), h = Number(heading)
    return isFinite(b) && isFinite(h) ? b - h : 0
}

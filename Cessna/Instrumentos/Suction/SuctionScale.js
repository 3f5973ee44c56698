.pragma library
.import "qrc:/Classes/Numbers.js" as Numbers

// Suction scale: four linear pieces meeting at 3, 4 and 6 in Hg; no stops.
function needleAngle(s) {
    s = Numbers.finite(s);
    if (s > 6)
        return 53 * (s - 6) + 242;
    if (s > 4)
        return 62 * (s - 4) + 118;
    if (s > 3)
        return 53 * (s - 3) + 65;
    return 65 / 3 * s;
}

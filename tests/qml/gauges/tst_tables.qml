import QtQuick
import QtTest

// Every point of every gauge scale, through the gauge document itself: for each
// point a fresh gauge is made with its input there (so eased needles start at
// their place), and each layer the scale moves is read. The expected values are
// typed here as the faces are specified, never taken from the scale scripts, so
// a changed point in a script fails. A value written with decimals is rounded
// and holds to half its last place; a whole value holds exactly; a text is
// compared as it is.
Item {
    id: stage
    width: 210
    height: 210

    readonly property string folder: "qrc:/Cessna/Instrumentos/"

    // Both fuel needles follow one scale; the right one mirrors it. The tanks
    // hold kilograms of avgas (2.7293 kg a US gallon) read on the face's 0 to
    // 26 gallons: empty, half (13 gal) and full (26 gal), and the stop beyond.
    readonly property var fuelPoints: [-5, 0, 20, 35.481, 70.961, 80]
    readonly property var fuelAngles: [154.341, 148, 122.634, "103.0", "58.0", 58]
    readonly property var altitudes: [-500, 0, 1000, 10000, 12500]
    readonly property var dots: [-7, -5, 0, 1, 5, 7]

    // gauge: document under `folder`; input: the property set to each point,
    // with `fixed` inputs held; layers: objectNames of the layers it moves;
    // read: what of them (see measure()); sign: -1 for a mirrored needle.
    readonly property var scales: [
        {gauge: "Airspeed/Airspeed.qml", input: "value", layers: ["needle", "needleShadow"], read: "angle",
         points: [-10, 0, 40, 60, 80, 100, 120, 140, 160, 180, 200, 250],
         values: [0, 0, 30, 70, 114, 162, 207, 238.5, 268, 292, 319, 319]},
        {gauge: "AirspeedB58/AirspeedB58.qml", input: "value", layers: ["needle"], read: "angle",
         points: [-10, 0, 40, 60, 80, 100, 120, 140, 160, 180, 200, 220, 240, 260, 270],
         values: [0, 0, 19, 49, 78, 106, 135, 164, 193, 221, 250, 280, 309, 340, 340]},
        {gauge: "Altimeter/AltimeterInst.qml", input: "altitude", layers: ["tenThousand"], read: "rotation",
         points: altitudes, values: [-1.8, 0, 3.6, 36, 45]},
        {gauge: "Altimeter/AltimeterInst.qml", input: "altitude", layers: ["thousand"], read: "rotation",
         points: altitudes, values: [342, 0, 36, 0, 90]},
        {gauge: "Altimeter/AltimeterInst.qml", input: "altitude", layers: ["hundred"], read: "rotation",
         points: altitudes, values: [3420, 0, 360, 0, 900]},
        {gauge: "Attitude/HorizonteInst.qml", input: "altVacuum", layers: ["ladder"], read: "shiftY",
         points: [-30, -25, 0, 15, 20, 25, 30], values: [-46, -46, -1, 26, 30.5, 35, 35]},
        {gauge: "Attitude/HorizonteInst.qml", input: "rotationVacuum", layers: ["roll"], read: "angle",
         points: [-30, 0, 45], values: [30, 0, -45]},
        {gauge: "Heading/HeadingInst.qml", input: "headingMag", layers: ["card"], read: "angle",
         points: [0, 90, 359], values: [0, -90, -359]},
        {gauge: "Heading/HeadingInst.qml", input: "headingDegMag", fixed: {headingMag: 30}, layers: ["bug"],
         read: "angle", points: [0, 30, 120], values: [-30, 0, 90]},
        {gauge: "TurnSlip/TurnSlipInst.qml", input: "turnrateRoll", layers: ["aeroplane"], read: "angle",
         points: [-75, -60, 0, 20, 60, 75], values: [-60, -60, 0, 20, 60, 60]},
        {gauge: "TurnSlip/TurnSlipInst.qml", input: "slipDeg", layers: ["ball"], read: "shiftX",
         points: [-20, -5.15, 0, 5.15, 20], values: [35, 21, 0, -21, -35]},
        {gauge: "TurnSlip/TurnSlipInst.qml", input: "slipDeg", layers: ["ball"], read: "shiftY",
         points: [-90, 0, 90], values: [-0.9888, -1, -0.9888]},
        {gauge: "VerticalSpeed/VerticalSpeedInst.qml", input: "value", layers: ["needle"], read: "angle",
         points: [-2001, -2000, -500, -250, 0, 250, 500, 1000, 2000, 2001],
         values: [97, -262.484, -124.484, -107.39, -90, -72.5, -56.538, -9.538, 84.462, 82]},

        {gauge: "HSI/HSI.qml", input: "heading", layers: ["rose"], read: "angle",
         points: [0, 90, 270], values: [0, -90, -270]},
        {gauge: "HSI/HSI.qml", input: "ap_heading", fixed: {heading: 90}, layers: ["headingBug"], read: "angle",
         points: [0, 90, 135], values: [-90, 0, 45]},
        {gauge: "HSI/HSI.qml", input: "obs", fixed: {heading: 90},
         layers: ["courseArrow", "deviationScale", "deviationBar"], read: "angle",
         points: [0, 90, 180], values: [-90, 0, 90]},
        {gauge: "HSI/HSI.qml", input: "cdi_dots", layers: ["deviationBar"], read: "shiftX",
         points: [-2, 0, 2], values: [-30, 0, 30]},
        {gauge: "HSI/HSI.qml", input: "cdi_dots", fixed: {obs: 90}, layers: ["deviationBar"], read: "shiftY",
         points: [-2, 0, 2], values: [-30, 0, 30]},
        {gauge: "HSI/HSI.qml", input: "gsi_dots", layers: ["glideSlope"], read: "shiftY",
         points: [-2, 0, 2], values: [-28, 0, 28]},
        {gauge: "HSI/HSI.qml", input: "bat", layers: ["hdgFlag"], read: "angle", points: [0, 12], values: [0, 45]},
        {gauge: "HSI/HSI.qml", input: "nav_signal", layers: ["navFlag"], read: "angle",
         points: [0, 1], values: [0, 90]},
        {gauge: "Vor/VorInst.qml", input: "hDefDot", layers: ["courseNeedle"], read: "angle",
         points: dots, values: [60, 60, 0, -12, -60, -60]},
        {gauge: "Vor/VorInst.qml", input: "vDefDot", layers: ["glideNeedle"], read: "angle",
         points: dots, values: [-130, -130, -90, -82, -50, -50]},
        {gauge: "Vor/VorInst.qml", input: "compRingDeg", layers: ["card"], read: "angle",
         points: [0, 30, 275], values: [0, -30, -275]},
        {gauge: "Obs/ObsInst.qml", input: "obs_hDefDot", layers: ["needle"], read: "angle",
         points: dots, values: [48, 48, 0, -12, -48, -48]},
        {gauge: "Obs/ObsInst.qml", input: "compRingDeg", layers: ["card"], read: "angle",
         points: [0, 30], values: [0, -30]},
        {gauge: "Adf/AdfInst.qml", input: "heading", layers: ["card"], read: "angle",
         points: [0, 90, 270], values: [0, -90, -270]},
        {gauge: "Adf/AdfInst.qml", input: "needle", layers: ["needle"], read: "angle",
         points: [0, 45, 315], values: [0, 45, 315]},
        {gauge: "LinearCompass/LinearCompassInst.qml", input: "value", layers: ["tape"], read: "x",
         points: [0, 90, 180, 359, 360], values: [-536, -411, -286, -37.389, -536]},

        {gauge: "Rpm/RpmInst.qml", input: "value", layers: ["needle"], read: "angle",
         points: [-100, 0, 2500, 3500, 4000], values: [-126, -126, 54, 126, 162]},
        {gauge: "DualFuel/DualFuelInst.qml", input: "leftFuel", layers: ["leftNeedle"], read: "angle",
         points: fuelPoints, values: fuelAngles},
        {gauge: "DualFuel/DualFuelInst.qml", input: "rightFuel", layers: ["rightNeedle"], read: "angle", sign: -1,
         points: fuelPoints, values: fuelAngles},
        {gauge: "EgtFuelFlow/EgtFuelFlowInst.qml", input: "egtDeg", layers: ["egtNeedle"], read: "angle",
         points: [0, 961, 1100, 1350, 1600], values: [145, 145, 105.337, 34, 34]},
        {gauge: "EgtFuelFlow/EgtFuelFlowInst.qml", input: "fuelGalhour", layers: ["flowNeedle"], read: "angle",
         points: [0, 5, 10, 19], values: [212, 220, 260.5, 329.8]},
        {gauge: "OilTempPress/OilTempPressInst.qml", input: "temp", layers: ["tempNeedle"], read: "angle",
         points: [50, 75, 100, 150, 200, 245, 250, 300], values: [137, 137, 127, 96, 63, 38, 35.222, 35.222]},
        {gauge: "OilTempPress/OilTempPressInst.qml", input: "press", layers: ["pressNeedle"], read: "angle",
         points: [0, 60, 115], values: [-145, -85, -30]},
        {gauge: "VacAmp/VacAmpInst.qml", input: "vac", layers: ["vacNeedle"], read: "angle",
         points: [0, 2.9, 5, 7.1, 9], values: [147.5, 147.5, 95, 42.5, 42.5]},
        {gauge: "VacAmp/VacAmpInst.qml", input: "amp", layers: ["ampNeedle"], read: "angle",
         points: [-75, -60, 0, 10, 60, 75], values: [207, 207, 267, 277, 327, 327]},
        {gauge: "Trim/TrimInst.qml", input: "trim", layers: ["indicator"], read: "y",
         points: [-1, 0, 1], values: [11.5, 58, 104.5]},
        {gauge: "Trim/TrimInst.qml", input: "flaps", layers: ["flapText"], read: "text",
         points: [-0.1, 0, 0.2, 0.9, 1, 1.2], values: ["0", "0", "10", "20", "FULL", "20"]},
        {gauge: "Manifold/ManifoldInst.qml", input: "manifoldValue", layers: ["needle"], read: "angle",
         points: [0, 10, 30, 49.9, 50, 60], values: [0, 0, 150, 299.25, 300, 300]},
        {gauge: "Suction/SuctionInst.qml", input: "suctionValue", layers: ["needle"], read: "angle",
         points: [-1, 0, 3, 4, 5, 6, 7], values: [-21.667, 0, 65, 118, 180, 242, 295]},
    ]

    TestCase {
        name: "GaugeTables"
        when: windowShown

        // angle: the layer's rotation transform; rotation: its own rotation;
        // shiftX, shiftY: its translation transform; x, y: its position.
        function measure(layer, read) {
            const transforms = []
            for (let i = 0; i < layer.transform.length; ++i)
                transforms.push(layer.transform[i])
            const rotation = transforms.find(t => t.angle !== undefined)
            const translation = transforms.find(t => t.angle === undefined && t.xScale === undefined)
            switch (read) {
            case "angle": return rotation.angle
            case "shiftX": return translation.x
            case "shiftY": return translation.y
            default: return layer[read]
            }
        }
        function tolerance(written) {
            const decimals = (String(written).split(".")[1] || "").length
            return decimals > 0 ? 0.5 * Math.pow(10, -decimals) : 1e-9
        }

        function test_point_data() {
            const rows = []
            for (const scale of scales) {
                scale.points.forEach((point, i) => rows.push({
                    tag: scale.gauge + " " + scale.input + "=" + point + " " + scale.layers.join(","),
                    scale: scale, point: point, expected: scale.values[i]
                }))
            }
            return rows
        }
        function test_point(d) {
            const inputs = Object.assign({}, d.scale.fixed)
            inputs[d.scale.input] = d.point
            const gauge = createTemporaryObject(Qt.createComponent(folder + d.scale.gauge), stage, inputs)
            verify(gauge, d.scale.gauge)
            for (const name of d.scale.layers) {
                const layer = findChild(gauge, name)
                verify(layer, name)
                const shown = measure(layer, d.scale.read)
                if (d.scale.read === "text")
                    compare(shown, d.expected, name)
                else
                    fuzzyCompare(shown, (d.scale.sign || 1) * Number(d.expected), tolerance(d.expected), name)
            }
        }
    }
}

import QtQuick
import QtTest
import "qrc:/Baron/instrumentos/RPMBaron"
import "qrc:/Baron/instrumentos/PressBaron"
import "qrc:/Baron/instrumentos/FuelFlowBaron"
import "qrc:/Baron/instrumentos/OilBaron"
import "qrc:/Baron/instrumentos/EngTempBaron"
import "qrc:/Baron/instrumentos/VSBaron"
import "qrc:/Baron/instrumentos/InstrumenteAir"
import "qrc:/Baron/instrumentos/TurnCoordinator"

// The Baron's own gauges, imported from the folders the Baron panel uses:
// needle angles through their tables, the fuel-flow conversion, the turn
// coordinator's aeroplane and ball, every layer loaded and pivoting where the
// gauge turns it, and the vector layers rasterised at the size they are shown.
Item {
    width: 840
    height: 420

    RPMBaron { id: rpm }
    PressBaron { id: press; x: 210 }
    FuelFlowBaron { id: fuelFlow; x: 420 }
    OilBaron { id: oil; x: 630 }
    EngTempBaron { id: engTemp; y: 210 }
    VsBaron { id: vs; x: 210; y: 210 }
    InstrumentAir { id: air; x: 420; y: 210 }
    Item {
        id: zoom
        x: 630
        y: 210
        TurnCoordinator { id: turn }
    }

    TestCase {
        name: "BaronGauges"
        when: windowShown

        function gauge(name) {
            return {rpm: rpm, press: press, fuelFlow: fuelFlow, oil: oil, engTemp: engTemp,
                    vs: vs, air: air, turn: turn}[name]
        }
        function turnAngleOf(g, layer) { return findChild(g, layer).transform[0].angle }

        // Each needle at its table's points, between them and beyond both ends.
        // The oil-pressure and EGT needles turn backwards; fuel flow arrives in
        // kg/s and is read in gallons per hour (0.01 kg/s is 13.19 gal/h).
        function test_angles_data() {
            const rows = []
            const add = (g, input, layer, cases) => {
                for (const [v, a] of cases)
                    rows.push({tag: g + "." + input + " " + v, g: g, input: input, layer: layer, v: v, a: a})
            }
            add("rpm", "value", "needle", [[-100, 300], [0, 300], [500, 333], [1750, 420], [3000, 505],
                                           [3500, 540], [4000, 540], [NaN, 300]])
            add("press", "value", "needle", [[5, 319], [10, 319], [15, 362], [27.5, 472], [35, 535],
                                             [40, 580], [45, 580]])
            add("fuelFlow", "value", "needle", [[-0.01, 360], [0, 360], [0.01, 450.437],
                                                [0.0227, 599.478], [0.03, 600]])
            add("oil", "temp", "tempNeedle", [[-10, 223], [0, 223], [20, 240], [50, 262.5], [100, 300],
                                              [120, 315], [150, 315]])
            add("oil", "press", "pressNeedle", [[-5, 135], [0, 135], [30, 112.5], [80, 75], [90, 60],
                                                [100, 55], [120, 45], [150, 45]])
            add("engTemp", "cht", "chtNeedle", [[0, 222], [50, 222], [125, 258.5], [200, 293],
                                                [250, 315], [300, 315]])
            add("engTemp", "egt", "egtNeedle", [[600, 490], [656, 490], [728, 470], [800, 450],
                                                [946, 407], [1000, 407]])
            add("vs", "value", "needle", [[-6000, 90], [-4000, 90], [-500, 247.5], [0, 270],
                                          [1500, 337.5], [4000, 450], [6000, 450]])
            add("air", "value", "needle", [[0, 300], [2.5, 300], [2.75, 307.5], [4, 345], [5.5, 390],
                                           [6.5, 420], [8, 420]])
            add("turn", "turnRate", "aeroplane", [[1.5, 10], [3, 20], [-3, -20], [6, 40]])
            // The ball swings by the slip (positive to the left) until it stops
            // against an end of its tube, 11.5 degrees either side.
            add("turn", "slipSkid", "ball", [[5, 5], [-5, -5], [11.5, 11.5], [40, 11.5], [-40, -11.5]])
            return rows
        }
        function test_angles(d) {
            const g = gauge(d.g)
            g[d.input] = d.v
            fuzzyCompare(turnAngleOf(g, d.layer), d.a, 1e-3)
            g[d.input] = 0
        }

        function test_fuelFlowInGallonsPerHour() {
            fuzzyCompare(fuelFlow.convertKgSecToGalHr(0.01), 13.1903, 1e-4)
            compare(fuelFlow.convertKgSecToGalHr(-1), 0)
            fuelFlow.value = 0.02
            fuzzyCompare(fuelFlow.gallonsPerHour, 26.3806, 1e-4)
            fuelFlow.value = 0
        }

        // Every layer shows its image and turns about the point its gauge
        // turns it about: the dial's centre, or for the ball a point 0.15 of
        // the height above the gauge.
        function test_layers_data() {
            const rows = []
            const add = (g, layers, pivot) => {
                for (const l of layers)
                    rows.push({tag: g + "." + l, g: g, layer: l, pivot: pivot})
            }
            for (const g of ["rpm", "press", "fuelFlow", "air", "vs"])
                add(g, ["needle"], [105, 105])
            for (const g of ["rpm", "press", "fuelFlow", "oil", "engTemp", "air"])
                add(g, ["face", "cap"])
            add("vs", ["face"])
            add("oil", ["tempNeedle", "pressNeedle"], [105, 105])
            add("engTemp", ["chtNeedle", "egtNeedle"], [105, 105])
            add("turn", ["back", "face", "ring", "case"])
            add("turn", ["aeroplane"], [105, 105])
            add("turn", ["ball"], [105, -31.5])
            return rows
        }
        function test_layers(d) {
            const layer = findChild(gauge(d.g), d.layer)
            verify(layer, d.layer)
            compare(layer.status, Image.Ready)
            if (d.pivot) {
                const origin = layer.transform[0].origin
                const p = layer.mapToItem(gauge(d.g), origin.x, origin.y)
                fuzzyCompare(p.x, d.pivot[0], 1e-3)
                fuzzyCompare(p.y, d.pivot[1], 1e-3)
            }
        }

        // The vector layers are rasterised at the size they are painted: the
        // gauge's own scale times the scale of what holds it.
        function test_vectorLayersFollowZoom_data() {
            return [{tag: "as is", gauge: 1, zoom: 1, side: 210},
                    {tag: "gauge 2, panel 1.5", gauge: 2, zoom: 1.5, side: 630},
                    {tag: "gauge 0.5", gauge: 0.5, zoom: 1, side: 105}]
        }
        function test_vectorLayersFollowZoom(d) {
            turn.scale = d.gauge
            zoom.scale = d.zoom
            for (const name of ["back", "ball", "face", "ring", "aeroplane", "case"]) {
                const layer = findChild(turn, name)
                compare([layer.sourceSize.width, layer.sourceSize.height], [d.side, d.side], name)
                compare(layer.status, Image.Ready, name)
            }
            turn.scale = 1
            zoom.scale = 1
        }
    }
}

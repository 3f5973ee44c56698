import QtQuick
import "qrc:/Cessna/Instrumentos/Layers"

// Warning annunciator strip: a sheet of unlit legends and one lit sheet per
// legend part. The lamps work only while the bus has power; the lamp test
// lights them all.
Item {
    id: root
    width: 200
    height: 50

    property real busVolts: 0       // bus voltage
    property int lowVoltWarn: 0     // 1 = low-voltage warning
    property int oilPressure: 0     // 1 = low oil pressure warning
    property real vacuum1: 3        // left vacuum, in Hg
    property real vacuum2: 3        // right vacuum, in Hg
    property real fuelQuantity1: 20 // left tank quantity
    property real fuelQuantity2: 20 // right tank quantity
    property int annunciatorTest: 0 // lamp test when not 0

    readonly property real minimumBusVolts: 8
    readonly property real lowFuelQuantity: 5
    readonly property real lowVacuum: 3

    readonly property bool testing: annunciatorTest !== 0
    readonly property bool powered: busVolts > minimumBusVolts

    // Every sheet covers the whole strip.
    component Sheet: LayerImage {
        anchors.fill: parent
    }

    Sheet { objectName: "back"; source: Qt.resolvedUrl("AnnunciatorBack.png") }
    // The LOW FUEL words follow the lamp test even without power.
    Sheet {
        objectName: "lowFuel"
        source: Qt.resolvedUrl("AnnunciatorLowFuel.png")
        visible: root.testing || lowFuelLeft.visible || lowFuelRight.visible
    }
    Sheet {
        id: lowFuelLeft
        objectName: "lowFuelLeft"
        source: Qt.resolvedUrl("AnnunciatorLowFuelL.png")
        visible: (root.testing || root.fuelQuantity1 < root.lowFuelQuantity) && root.powered
    }
    Sheet {
        id: lowFuelRight
        objectName: "lowFuelRight"
        source: Qt.resolvedUrl("AnnunciatorLowFuelR.png")
        visible: (root.testing || root.fuelQuantity2 < root.lowFuelQuantity) && root.powered
    }
    Sheet {
        objectName: "oilPress"
        source: Qt.resolvedUrl("AnnunciatorOilPress.png")
        visible: (root.testing || root.oilPressure === 1) && root.powered
    }
    Sheet {
        objectName: "vac"
        source: Qt.resolvedUrl("AnnunciatorVac.png")
        visible: (root.testing || vacLeft.visible || vacRight.visible) && root.powered
    }
    Sheet {
        id: vacLeft
        objectName: "vacLeft"
        source: Qt.resolvedUrl("AnnunciatorVacL.png")
        visible: (root.testing || root.vacuum1 < root.lowVacuum) && root.powered
    }
    Sheet {
        id: vacRight
        objectName: "vacRight"
        source: Qt.resolvedUrl("AnnunciatorVacR.png")
        visible: (root.testing || root.vacuum2 < root.lowVacuum) && root.powered
    }
    Sheet {
        objectName: "volts"
        source: Qt.resolvedUrl("AnnunciatorVolts.png")
        visible: (root.testing || root.lowVoltWarn === 1) && root.powered
    }
}

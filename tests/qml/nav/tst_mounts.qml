import QtQuick
import QtTest

// Every panel path a navigation gauge is imported from gives the whole gauge,
// every image included.
Item {
    id: stage
    width: 800
    height: 300

    TestCase {
        name: "NavigationMounts"

        function images(item) {
            let found = []
            for (let i = 0; i < item.children.length; ++i) {
                const child = item.children[i]
                if (child.status !== undefined && child.source !== undefined)
                    found.push(child)
                found = found.concat(images(child))
            }
            return found
        }

        function test_paths_data() {
            const gauges = [["Adf", "AdfInst"], ["HSI", "HSI"], ["LinearCompass", "LinearCompassInst"],
                            ["MarkerBeacon", "MarkerBeaconInst"], ["Obs", "ObsInst"], ["Vor", "VorInst"]]
            const rows = []
            for (const g of gauges) {
                for (const base of ["Cessna/Instrumentos", "Cessna/instrumentos"])
                    rows.push({tag: base + "/" + g[0], url: "qrc:/" + base + "/" + g[0] + "/" + g[1] + ".qml"})
            }
            for (const base of ["Cessna/Instrumentos", "Cessna/instrumentos"])
                rows.push({tag: base + "/DME", url: "qrc:/" + base + "/DME/DME.qml"})
            rows.push({tag: "Baron/instrumentos/HSI", url: "qrc:/Baron/instrumentos/HSI/HSI.qml"})
            rows.push({tag: "Baron/instrumentos/Vor", url: "qrc:/Baron/instrumentos/Vor/VorInst.qml"})
            return rows
        }
        function test_paths(d) {
            const component = Qt.createComponent(d.url)
            compare(component.status, Component.Ready, component.errorString())
            const gauge = createTemporaryObject(component, stage)
            verify(gauge)
            for (const image of images(gauge))
                compare(image.status, Image.Ready, String(image.source))
        }
    }
}

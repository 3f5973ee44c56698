import QtQuick
import QtTest
import "RadioTestSupport.js" as T

// Each display item of the two radio panels carries its name as its id and
// its objectName, so that the documents can be read against the panels'
// description and inspected by name (radod-inspect's "id").
Item {
    id: top
    width: 1000
    height: 1000

    ViewManagerStandIn { id: views }

    TestCase {
        name: "RadioItemNames"
        when: windowShown

        function test_names_data() {
            const both = ["container", "com", "comStby", "nav", "navStby", "adfFreq", "transponder1",
                          "transponder2", "transponder3", "transponder4", "ap", "navhdg", "alt", "apr", "arm",
                          "rev", "vs", "seta1", "seta2", "altitudeDial", "approach"]
            return [
                {tag: "avionics", url: "qrc:/RadioAvionico/RadioAvionico.qml",
                 names: both.concat(["conteinerOFF", "containerON", "containerTransponder", "containerAP",
                                     "divNavCom", "nav1Dme", "nm", "um", "dois", "nav1Kt", "kt", "adf",
                                     "nav1Min", "min", "mode", "stby"])},
                {tag: "compact", url: "qrc:/RadioCompacto/radioCompac.qml",
                 names: both.concat(["nav2", "navStby2", "gs", "hdg", "gpss"])},
            ]
        }
        function test_names(d) {
            testSupport.setContextProperty("viewManager", views)
            testSupport.setContextProperty("timedDataString", T.vector({}))
            const panel = createTemporaryObject(Qt.createComponent(d.url), top)
            verify(panel, d.url)
            for (const name of d.names) {
                const item = findChild(panel, name)
                verify(item, name)
                compare(testSupport.idOf(item), name, name)
            }
        }
    }
}

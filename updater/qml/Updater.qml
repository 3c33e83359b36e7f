import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UpdaterLib

ApplicationWindow {
    id: window
    objectName: "updaterWindow"

    required property WindowController controller
    readonly property int state: controller.updateState
    readonly property int designHeight: state === Lib.UpdateYes ? 270
                                        : state === Lib.UpdateNot ? 190 : 160
    readonly property Item shownView: state === Lib.Progress ? progressView
                                      : state === Lib.UpdateYes ? offerView
                                      : state === Lib.UpdateNot ? currentView : null

    Material.theme: Material.Light
    Material.accent: Material.Red
    Material.primary: Material.Orange

    modality: Qt.ApplicationModal
    flags: Qt.Dialog | Qt.WindowTitleHint | Qt.WindowCloseButtonHint
    width: 400
    // Fonts wider than the design's make a view taller; the window then grows with it.
    height: Math.max(designHeight, shownView ? Math.ceil(shownView.implicitHeight) : 0)

    Progress {
        id: progressView
        objectName: "progressView"
        controller: window.controller
        anchors.fill: parent
        visible: window.state === Lib.Progress
    }
    UpdateYES {
        id: offerView
        objectName: "offerView"
        controller: window.controller
        anchors.fill: parent
        visible: window.state === Lib.UpdateYes
    }
    UpdateNOT {
        id: currentView
        objectName: "currentView"
        controller: window.controller
        anchors.fill: parent
        visible: window.state === Lib.UpdateNot
    }
}

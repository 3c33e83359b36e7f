import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import UpdaterLib 1.0
import "qrc:/qml"

ApplicationWindow {
    id: window
    objectName: "updaterWindow"

    readonly property int state: updater ? updater.updateState : Lib.Indefinite

    Material.theme: Material.Light
    Material.accent: Material.Red
    Material.primary: Material.Orange

    modality: Qt.ApplicationModal
    flags: Qt.Dialog | Qt.WindowTitleHint | Qt.WindowCloseButtonHint
    width: 400
    height: state === Lib.UpdateYes ? 270 : state === Lib.UpdateNot ? 190 : 160

    Progress {
        objectName: "progressView"
        anchors.fill: parent
        visible: window.state === Lib.Progress
    }
    UpdateYES {
        objectName: "offerView"
        anchors.fill: parent
        visible: window.state === Lib.UpdateYes
    }
    UpdateNOT {
        objectName: "currentView"
        anchors.fill: parent
        visible: window.state === Lib.UpdateNot
    }
}

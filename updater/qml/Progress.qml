import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import UpdaterLib

Item {
    id: view

    required property WindowController controller

    implicitHeight: 160

    Item {
        id: box
        anchors.centerIn: parent
        width: parent.width - 22
        height: 30

        Label {
            anchors.bottom: bar.top
            anchors.left: parent.left
            text: qsTr("Downloading...")
            font.pixelSize: 14
        }
        ProgressBar {
            id: bar
            objectName: "progressBar"
            anchors.fill: parent
            anchors.bottomMargin: 22
            value: 0
            indeterminate: true
            Material.accent: Material.Red
        }
    }

    Button {
        objectName: "closeButton"
        anchors.top: box.bottom
        anchors.right: parent.right
        anchors.margins: 11
        text: qsTr("Close")
        onClicked: {
            view.controller.userUpdateCancel()
            view.Window.window.close()
        }
    }

    Connections {
        target: view.controller
        function onDownloadProgressChanged(percent: int) { bar.value = percent / 100.0 }
        function onIdeterminateProgressBar(indeterminate: bool) { bar.indeterminate = indeterminate }
    }
}

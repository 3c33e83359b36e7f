import QtQuick
import QtQuick.Layouts
import UpdaterLib

Rectangle {
    id: view

    required property WindowController controller

    color: "#e8e6e7"
    implicitHeight: column.Layout.minimumHeight + column.anchors.topMargin
                    + column.anchors.bottomMargin

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 12
        spacing: 6

        CustomRow {
            text: view.controller.packageManaged
                  ? qsTr("An Update is Available\nUpdate %1 through your system's package manager")
                    .arg(view.controller.appName)
                  : qsTr("An Update is Available\nClick the button below to process the update")
            font.pixelSize: 17
            font.italic: false
            color: "green"
            // Wider fonts than the design's shrink the line rather than overflow it.
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 10
        }
        Warning {
            visible: !view.controller.packageManaged
            text: view.controller.offerWarning
        }
        RowLayout {
            objectName: "updateRow"
            visible: !view.controller.packageManaged
            Layout.alignment: Qt.AlignHCenter
            Image {
                id: updateButton
                objectName: "updateButton"
                source: "qrc:/img/update.svg"
                Layout.preferredWidth: 260
                Layout.preferredHeight: 50
                Layout.alignment: Qt.AlignHCenter
                fillMode: Image.PreserveAspectFit
                // The caption as the design draws it into the image, in the user's language.
                Text {
                    objectName: "updateCaption"
                    readonly property real unit: updateButton.paintedWidth / 460
                    anchors.centerIn: parent
                    width: 420 * unit
                    horizontalAlignment: Text.AlignHCenter
                    text: qsTr("UPDATE")
                    color: "#111111"
                    font.family: "DejaVu Sans"
                    font.bold: true
                    font.pixelSize: Math.max(1, 36 * unit)
                    font.letterSpacing: 4 * unit
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 8
                }
                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: {
                        console.log("!!! UPDATE !!!")
                        view.controller.userUpdateClicked()
                    }
                }
            }
        }
        DoNotShowWindowAgain {
            controller: view.controller
        }
    }
}

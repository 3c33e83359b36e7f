import QtQuick
import QtQuick.Layouts

Rectangle {
    property alias text: note.text

    Layout.alignment: Qt.AlignHCenter
    color: "#dfdfdf"
    radius: 5
    border.width: 1
    border.color: "#b8b8b8"
    implicitWidth: content.implicitWidth + 20
    implicitHeight: content.implicitHeight + 20

    RowLayout {
        id: content
        anchors.centerIn: parent
        anchors.margins: 6
        spacing: 6

        Image {
            source: "qrc:/img/warning.svg"
            sourceSize.width: 78
            sourceSize.height: 77
            Layout.preferredWidth: 78
            Layout.preferredHeight: 77
            fillMode: Image.PreserveAspectFit
        }
        CustomRow {
            id: note
            Layout.preferredWidth: 240
            wrapMode: Text.WordWrap
            font.pixelSize: 14
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 9
            font.italic: false
            color: "#b70100"
        }
    }
}

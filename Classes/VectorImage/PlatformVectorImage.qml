import QtQuick
import QtQuick.VectorImage as Platform

// VectorImage.qml on Qt versions that have a vector image element: the
// platform's own, drawn by its curve renderer, with the same interface
// (source; natural size; scale and rotation about the centre).
Platform.VectorImage {
    preferredRendererType: Platform.VectorImage.CurveRenderer
    fillMode: Platform.VectorImage.Stretch
}

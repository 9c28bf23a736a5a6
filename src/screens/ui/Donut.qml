import QtQuick

// One sector per category total, in the category colours.
Canvas {
    property var rows: []
    onRowsChanged: requestPaint()
    onPaint: {
        const ctx = getContext("2d")
        ctx.reset()
        let total = 0
        for (const r of rows) total += r.size
        if (total <= 0) return
        const cx = width / 2, cy = height / 2, outer = Math.min(cx, cy), inner = outer * 0.62
        let angle = -Math.PI / 2
        for (const r of rows) {
            const sweep = 2 * Math.PI * r.size / total
            ctx.beginPath()
            ctx.arc(cx, cy, outer, angle + 0.01, angle + sweep - 0.01, false)
            ctx.arc(cx, cy, inner, angle + sweep - 0.01, angle + 0.01, true)
            ctx.closePath()
            ctx.fillStyle = r.accent
            ctx.fill()
            angle += sweep
        }
    }
}

/*
 * Sun audio (.au) decoding: browsers do not play the format, so its samples
 * are read here and handed to Web Audio.
 */
function muLawSample(byte) {
    var u = ~byte & 0xff;
    var t = (((u & 0x0f) << 3) + 0x84) << ((u & 0x70) >> 4);
    return ((u & 0x80) ? (0x84 - t) : (t - 0x84)) / 32768;
}

function aLawSample(byte) {
    var a = byte ^ 0x55;
    var t = (a & 0x0f) << 4;
    var seg = (a & 0x70) >> 4;
    if (seg === 0)
        t += 8;
    else if (seg === 1)
        t += 0x108;
    else
        t = (t + 0x108) << (seg - 1);
    return ((a & 0x80) ? t : -t) / 32768;
}

var AU_READERS = {
    1: { size: 1, read: function (v, o) { return muLawSample(v.getUint8(o)); } },
    2: { size: 1, read: function (v, o) { return v.getInt8(o) / 128; } },
    3: { size: 2, read: function (v, o) { return v.getInt16(o) / 32768; } },
    4: { size: 3, read: function (v, o) { return ((v.getInt8(o) << 16) | (v.getUint16(o + 1))) / 8388608; } },
    5: { size: 4, read: function (v, o) { return v.getInt32(o) / 2147483648; } },
    6: { size: 4, read: function (v, o) { return v.getFloat32(o); } },
    7: { size: 8, read: function (v, o) { return v.getFloat64(o); } },
    27: { size: 1, read: function (v, o) { return aLawSample(v.getUint8(o)); } }
};

/**
 * Decodes a Sun audio file (big-endian header ".snd"). Returns
 * { sampleRate, channels: [Float32Array per channel] } or null when the
 * bytes are not such a file or use an encoding not read here.
 */
export function decodeAu(buffer) {
    var view = new DataView(buffer);
    if (view.byteLength < 24 || view.getUint32(0) !== 0x2e736e64)
        return null;
    var offset = view.getUint32(4);
    var size = view.getUint32(8);
    var reader = AU_READERS[view.getUint32(12)];
    var rate = view.getUint32(16);
    var channels = view.getUint32(20);
    if (!reader || offset < 24 || offset > view.byteLength || rate < 1 || channels < 1 || channels > 32)
        return null;
    var available = view.byteLength - offset;
    if (size === 0xffffffff || size > available)
        size = available;
    var frames = Math.floor(size / (reader.size * channels));
    var data = [];
    for (var c = 0; c < channels; c++)
        data.push(new Float32Array(frames));
    for (var i = 0, o = offset; i < frames; i++)
        for (c = 0; c < channels; c++, o += reader.size)
            data[c][i] = reader.read(view, o);
    return { sampleRate: rate, channels: data };
}

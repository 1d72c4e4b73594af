/*
 * Sound: the items' and the box's sounds, played through Web Audio once the
 * visitor has done something on the page.
 */
import { decodeAu } from './audio.js';

/** Sounds through Web Audio, shared by every menu of the page. */
export const sound = {
    context: null,
    buffers: {},
    pendingBackground: [],
    played: [],       // what was started, for tests and curious authors

    // Browsers let a page make sound only after the user did something.
    unlock: function () {
        var Ctx = window.AudioContext || window.webkitAudioContext;
        if (!Ctx)
            return;
        if (!sound.context) {
            try { sound.context = new Ctx(); } catch (e) { return; }
        }
        if (sound.context.state === 'suspended')
            sound.context.resume();
        var waiting = sound.pendingBackground;
        sound.pendingBackground = [];
        waiting.forEach(function (url) { sound.play(url); });
    },

    load: function (url) {
        if (!sound.buffers[url]) {
            sound.buffers[url] = window.fetch(url).then(function (r) {
                if (!r.ok)
                    throw new Error('HTTP ' + r.status);
                return r.arrayBuffer();
            }).then(function (bytes) {
                var au = decodeAu(bytes);
                if (!au)
                    return sound.context.decodeAudioData(bytes);
                var frames = au.channels[0].length;
                var buffer = sound.context.createBuffer(au.channels.length, Math.max(1, frames), au.sampleRate);
                au.channels.forEach(function (data, c) { buffer.getChannelData(c).set(data); });
                return buffer;
            });
            sound.buffers[url].catch(function () { /* a sound that cannot load stays silent */ });
        }
        return sound.buffers[url];
    },

    play: function (url) {
        var ctx = sound.context;
        if (!url || !ctx || ctx.state === 'closed')
            return;
        var ready = ctx.state === 'running' ? Promise.resolve() : ctx.resume();
        ready.then(function () {
            if (ctx.state !== 'running')
                return null;
            return sound.load(url).then(function (buffer) {
                var source = ctx.createBufferSource();
                source.buffer = buffer;
                source.connect(ctx.destination);
                source.start();
                sound.played.push(url);
            });
        }).catch(function () { /* no sound is no failure */ });
    }
};

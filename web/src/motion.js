/*
 * Motion: a sub-menu slides open or shut.
 */

function reducedMotion() {
    return !!(window.matchMedia && window.matchMedia('(prefers-reduced-motion: reduce)').matches);
}

    // Slides a sub-menu open or shut over speed * 20 ms (0 and reduced
    // motion: at once).
/**
 * @param {HTMLElement} sub
 * @param {boolean} open
 * @param {number} speed
 * @param {() => void} [whenShut]
 */
export function slide(sub, open, speed, whenShut) {
    var ms = reducedMotion() ? 0 : speed * 20;
    var from = sub.hidden ? 0 : sub.getBoundingClientRect().height;
    if (sub.tvAnimation) {
        sub.tvAnimation.onfinish = null;
        sub.tvAnimation.cancel();
        sub.tvAnimation = null;
    }
    sub.hidden = false;
    sub.style.height = '';
    sub.removeAttribute('data-closing');
    var full = sub.getBoundingClientRect().height;
    var to = open ? full : 0;
    var finish = function () {
        sub.tvAnimation = null;
        sub.style.height = '';
        sub.style.clipPath = '';
        sub.removeAttribute('data-closing');
        if (!open) {
            sub.hidden = true;
            if (whenShut)
                whenShut();
        }
    };
    if (!open)
        sub.setAttribute('data-closing', '');
    if (ms <= 0 || !sub.animate || from === to) {
        finish();
        return;
    }
    sub.style.clipPath = 'inset(0 -100000px 0 -100000px)';
    sub.style.height = to + 'px';
    var duration = full > 0 ? ms * Math.abs(to - from) / full : ms;
    sub.tvAnimation = sub.animate([{ height: from + 'px' }, { height: to + 'px' }],
        { duration: Math.max(1, duration), easing: 'ease-out' });
    sub.tvAnimation.onfinish = finish;
}

// The form's questions in the page's own modal dialog, and the commands that may ask them.
// A command runs as an asynchronous call of the engine: the engine waits, suspended, while
// a question waits for its answer, and the page does not call the form until the command
// has ended, so that no flow is entered half way through another.
'use strict';

// engine: the started module; byId: the page's element lookup.
function PayvantaQuestions({ engine, byId }) {
    const box = byId('questionBox');
    const answerField = byId('questionAnswer');
    // The command being run, and what is to happen once it has ended.
    let running = null;
    const whenIdle = [];

    for (const button of box.querySelectorAll('button[data-answer]')) {
        button.addEventListener('click', () => box.close(button.dataset.answer));
    }
    // Enter in the answer is OK; Escape closes the box with no answer (No, or Cancel).
    answerField.addEventListener('keydown', (event) => {
        if (event.key === 'Enter') {
            event.preventDefault();
            box.close('ok');
        }
    });
    box.addEventListener('cancel', () => { box.returnValue = ''; });

    // A question comes after the messages before it have been read.
    async function messagesRead() {
        const messageBox = byId('messageBox');
        while (messageBox.open) {
            await new Promise((resolve) => {
                messageBox.addEventListener('close', resolve, { once: true });
            });
        }
    }

    // Shows the question, with Yes and No or with an answer line, OK and Cancel; resolves
    // with the button chosen ('yes', 'no', 'ok', 'cancel', or '' for Escape).
    async function ask(text, withAnswer) {
        await messagesRead();
        byId('questionText').textContent = text;
        answerField.parentElement.hidden = !withAnswer;
        answerField.value = '';
        for (const button of box.querySelectorAll('button[data-answer]')) {
            button.hidden = ['ok', 'cancel'].includes(button.dataset.answer) !== withAnswer;
        }
        box.returnValue = '';
        const closed = new Promise((resolve) => {
            box.addEventListener('close', () => resolve(box.returnValue), { once: true });
        });
        box.showModal();
        (withAnswer ? answerField : byId('questionYes')).focus();
        return closed;
    }

    // Runs the callbacks waiting for the form to be free, each once.
    function settle() {
        while (running === null && whenIdle.length > 0) {
            whenIdle.shift()();
        }
    }

    return {
        askYesNo: async (question) => (await ask(question, false)) === 'yes',
        askText: async (prompt) => ((await ask(prompt, true)) === 'ok' ? answerField.value : null),
        // Whether a command is running: the form must not be called meanwhile.
        busy: () => running !== null,
        // Runs the callback now, or once the command running has ended.
        whenIdle(callback) {
            whenIdle.push(callback);
            settle();
        },
        // Runs a command by its control name; a second one while one runs is not started.
        async command(control) {
            if (running !== null) {
                return;
            }
            // The name goes on the heap, not on the engine's stack, which a suspended call
            // leaves in another state than it found it.
            const name = engine.allocateUTF8(control);
            running = engine.ccall('payvantaCommand', null, ['number'], [name], { async: true });
            try {
                await running;
            } finally {
                engine._free(name);
                running = null;
                settle();
            }
        },
        // The form as the page calls it: while a command runs, calls go nowhere.
        guard(form) {
            return new Proxy(form, {
                get(target, property) {
                    const value = target[property];
                    if (typeof value !== 'function') {
                        return value;
                    }
                    return (...args) => (running === null ? value.apply(target, args) : undefined);
                },
            });
        },
    };
}

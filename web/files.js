// Project files in the browser: the file chosen for Existing File, a file given to the page
// (the file input or a drop) opened as one handed to the running program, and a saved project
// written back to its file where the browser lets the page (File System Access), else
// downloaded. The engine reads and writes its files in its own file system; the page only
// carries the bytes in and out, as they are.
'use strict';

// engine: the started module; form: the form, guarded; questions: PayvantaQuestions;
// byId, element: the page's helpers; showStatus: the view's status line.
function PayvantaFiles({ engine, form, questions, byId, element, showStatus }) {
    const projects = '/projects';
    // The file each project file came from or was saved to, where the browser gave one.
    const handles = new Map();
    // The engine's own files carry the time 0 once the page knows them: a file with a later
    // time has just been written by the engine, a save to be carried out to the user's file.
    const known = (path) => engine.FS.utime(path, 0, 0);
    let ended = false;

    // Leaving the page, or closing its tab, with a project open would lose what was not
    // saved: the browser asks first, as the desktop program asks before it ends. While a
    // command runs (a question may be open) the guarded form answers nothing: ask then too.
    window.addEventListener('beforeunload', (event) => {
        if (!ended && form.projectOpen() !== false) {
            event.preventDefault();
            event.returnValue = '';
        }
    });

    function projectPath(name) {
        engine.FS.mkdirTree(projects);
        return `${projects}/${name}`;
    }

    function put(name, bytes, handle) {
        const path = projectPath(name);
        engine.FS.writeFile(path, bytes);
        known(path);
        if (handle) {
            handles.set(path, handle);
        } else {
            handles.delete(path);
        }
        return path;
    }

    // A file given to the page, from the file input or dropped: it opens as soon as no
    // command is running (a question may be open).
    function handOver(file, handle) {
        questions.whenIdle(async () => {
            const bytes = new Uint8Array(await file.arrayBuffer());
            questions.whenIdle(() => form.openHandedOver(put(file.name, bytes, handle)));
        });
    }

    function download(name, bytes) {
        const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
        const link = element('a', { href: url, download: name });
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(url), 60000);
    }

    async function writeTo(handle, bytes) {
        if (handle.requestPermission
            && await handle.requestPermission({ mode: 'readwrite' }) !== 'granted') {
            return false;
        }
        const writable = await handle.createWritable();
        await writable.write(bytes);
        await writable.close();
        return true;
    }

    // The saved bytes to the file the project came from; for a project with no such file
    // yet, to the file the user picks (suggesting the project's name), else a download.
    async function carryOut(path, bytes) {
        const name = path.slice(path.lastIndexOf('/') + 1);
        let handle = handles.get(path);
        if (!handle && window.showSaveFilePicker) {
            try {
                handle = await window.showSaveFilePicker({ suggestedName: name,
                    types: [{ description: name, accept: { 'application/octet-stream': ['.QVR'] } }] });
            } catch (error) {
                if (error.name === 'AbortError') {
                    // Nothing was written: the status line no longer says it was saved.
                    showStatus('');
                    return;
                }
            }
            if (handle) {
                handles.set(path, handle);
            }
        }
        try {
            if (handle && await writeTo(handle, bytes)) {
                return;
            }
        } catch (error) {
            // The file could not be written: the bytes go out as a download instead.
        }
        download(name, bytes);
    }

    // After each command: the project the engine saved goes out to the user's file; after
    // Close or Exit, the page starts again, as the program would.
    async function afterCommand() {
        const path = byId('lblFileName').textContent;
        if (path && engine.FS.analyzePath(path).exists
            && engine.FS.stat(path).mtime.getTime() !== 0) {
            const bytes = engine.FS.readFile(path);
            known(path);
            await carryOut(path, bytes);
        }
        if (ended) {
            window.location.reload();
        }
    }

    // Existing File: the bundled examples, or a file of the user's.
    function chooseProjectFile() {
        const box = byId('fileBox');
        const list = byId('exampleList');
        list.replaceChildren();
        return new Promise((resolve) => {
            let chosen = false;
            const choose = async (name, readBytes) => {
                chosen = true;
                box.close();
                try {
                    resolve(put(name, await readBytes(), null));
                } catch (error) {
                    resolve(null);
                }
            };
            box.addEventListener('close', () => {
                if (!chosen) {
                    resolve(null);
                }
            }, { once: true });
            fetch('data/examples/index.json').then((response) => response.json()).then((names) => {
                for (const name of names) {
                    const button = element('button', { type: 'button', 'data-example': name }, name);
                    button.addEventListener('click', () => choose(name, async () => new Uint8Array(
                        await (await fetch(`data/examples/${encodeURIComponent(name)}`))
                            .arrayBuffer())));
                    const item = element('li');
                    item.append(button);
                    list.append(item);
                }
            });
            const other = byId('fileOther');
            other.onchange = () => {
                const file = other.files[0];
                other.value = '';
                if (file) {
                    choose(file.name, async () => new Uint8Array(await file.arrayBuffer()));
                }
            };
            box.showModal();
        });
    }

    // Files dropped anywhere on the page, with their file where the browser gives it.
    document.addEventListener('dragover', (event) => event.preventDefault());
    document.addEventListener('drop', (event) => {
        event.preventDefault();
        const item = [...event.dataTransfer.items].find((i) => i.kind === 'file');
        if (!item) {
            return;
        }
        const file = item.getAsFile();
        // The file's handle must be asked for while the drop is handled; it comes later.
        let handle = null;
        try {
            handle = item.getAsFileSystemHandle ? item.getAsFileSystemHandle() : null;
        } catch (error) {
            handle = null;
        }
        Promise.resolve(handle).catch(() => null)
            .then((h) => handOver(file, h && h.kind === 'file' ? h : null));
    });
    byId('openProject').addEventListener('change', (event) => {
        const file = event.target.files[0];
        event.target.value = '';
        if (file) {
            handOver(file, null);
        }
    });

    return {
        chooseProjectFile,
        // Runs a command, then carries out what it saved.
        async command(control) {
            await questions.command(control);
            await afterCommand();
        },
        endProgram() {
            ended = true;
        },
        // The engine's files the page itself put there.
        known,
    };
}

#include "web_bridge_scripts.h"

#include <QFile>

namespace panorel_web {

QString PageWorldScript() {
  return QStringLiteral(R"JS(
(function () {
  function send(member, args) {
    var call = document.createElement('panorel-external-call');
    call.setAttribute('member', member);
    call.setAttribute('count', String(args.length));
    if (args.length > 0) {
      call.setAttribute('type', typeof args[0]);
      call.setAttribute('value', String(args[0]));
    }
    (document.documentElement || document).appendChild(call);
    call.dispatchEvent(new Event('panorel-external-call', {bubbles: true}));
    call.remove();
  }
  var external = Object.freeze({
    ExecuteScript: function () { send('ExecuteScript', arguments); },
    close: function () { send('close', []); }
  });
  try {
    Object.defineProperty(window, 'external', {value: external, writable: false, configurable: false});
  } catch (e) {
    window.external = external;
  }
})();
)JS");
}

QString BridgeWorldScript() {
  QFile client(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
  QString script;
  if (client.open(QIODevice::ReadOnly)) script = QString::fromUtf8(client.readAll());
  script += QStringLiteral(R"JS(
(function () {
  var bridge = null, waiting = [];
  function forward(call) {
    if (call.member === 'close') { bridge.close(); return; }
    var args = [];
    if (call.count > 0) args.push(call.type === 'string' ? call.value :
                                  call.type === 'number' ? Number(call.value) : null);
    bridge.ExecuteScript(args);
  }
  document.addEventListener('panorel-external-call', function (event) {
    var e = event.target;
    if (!e || !e.getAttribute) return;
    var call = {member: e.getAttribute('member'), count: Number(e.getAttribute('count')),
                type: e.getAttribute('type'), value: e.getAttribute('value')};
    if (call.member !== 'ExecuteScript' && call.member !== 'close') return;
    if (bridge) forward(call); else waiting.push(call);
  }, true);
  new QWebChannel(qt.webChannelTransport, function (channel) {
    bridge = channel.objects.external;
    waiting.splice(0).forEach(forward);
  });
})();
)JS");
  return script;
}

}  // namespace panorel_web
